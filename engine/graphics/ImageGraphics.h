#pragma once

#include "engine/graphics/Types.h"

class Image;

// Software drawing into the pixels of an in-memory image, used while pictures
// are prepared (never for the screen).
class ImageGraphics {
public:
    virtual ~ImageGraphics() = default;
    virtual void fillRect(int x, int y, int width, int height, const Color& color) = 0;
    // Copies the source region of another image to (x, y); with `useAlpha`
    // the source is blended over the target, otherwise copied as it is.
    virtual void blit(int x, int y, Image& source, const Rect& sourceRect, bool useAlpha) = 0;
    // Combines the source region with the target channel by channel (only
    // the channels whose flag is set): adds, clamped at 255, or copies with
    // `copy`. The fast flag is accepted and gives the same result.
    virtual void blendChannels(int x, int y, Image& source, const Rect& sourceRect, bool red,
                               bool green, bool blue, bool alpha, bool copy, bool fast) = 0;
};
