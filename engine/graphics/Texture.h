#pragma once

#include "engine/core/DeferableResource.h"
#include "engine/graphics/Image.h"

#include <memory>

// A picture that lives on the graphics card, with an optional CPU copy of its
// pixels (the kept image) for transparency tests.
class Texture : public DeferableResource {
public:
    ~Texture() override = default;

    virtual void bind() const = 0;
    // Uploads again after the GL context was re-created.
    virtual void reupload() = 0;
    // Deletes the GL texture; the texture still counts as uploaded, so a
    // later `reupload` restores it.
    virtual void releaseGL() = 0;

    const Image* keptImage() const { return keptImage_.get(); }
    Image* keptImage() { return keptImage_.get(); }
    bool isUploaded() const { return uploaded_; }

protected:
    Texture() = default;
    explicit Texture(std::string path) : DeferableResource(std::move(path)) {}

    std::unique_ptr<Image> keptImage_;
    bool uploaded_ = false;
};
