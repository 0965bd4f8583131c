#pragma once

class Image;

// A per-pixel change applied to a picture before it is uploaded. Filters visit
// every pixel, rows from the top, through getPixel/setPixel, and are shared:
// a texture never owns its filter.
class ImageFilter {
public:
    virtual ~ImageFilter() = default;
    virtual void apply(Image& image) const = 0;
};

// Grey version of a picture: visible pixels become the mean of their colour.
class BWImageFilter : public ImageFilter {
public:
    void apply(Image& image) const override;
};

// White silhouette: visible pixels become white, keeping their alpha.
class SilhouetteImageFilter : public ImageFilter {
public:
    void apply(Image& image) const override;
};

// Font pages: white everywhere, alpha from the brightness of the pixel.
class IntensityAsAlphaImageFilter : public ImageFilter {
public:
    void apply(Image& image) const override;
};
