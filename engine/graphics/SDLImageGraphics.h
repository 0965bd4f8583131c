#pragma once

#include "engine/graphics/ImageGraphics.h"

class SDLSurfaceImage;

// ImageGraphics over the surface of one SDLSurfaceImage, which owns it.
class SDLImageGraphics : public ImageGraphics {
public:
    explicit SDLImageGraphics(SDLSurfaceImage& target) : target_(target) {}

    void fillRect(int x, int y, int width, int height, const Color& color) override;
    void blit(int x, int y, Image& source, const Rect& sourceRect, bool useAlpha) override;
    void blendChannels(int x, int y, Image& source, const Rect& sourceRect, bool red, bool green,
                       bool blue, bool alpha, bool copy, bool fast) override;
    // Same result as blendChannels, computed through copies of both regions so
    // that a source overlapping the target is read before it is written.
    void compositeChannels(int x, int y, Image& source, const Rect& sourceRect, bool red,
                           bool green, bool blue, bool alpha, bool copy);

private:
    SDLSurfaceImage& target_;
};
