#pragma once

#include <map>
#include <string>
#include <vector>

// One picture of a slide show (the story's and the credits'), with every
// attribute its element had: `file`, `delay`, `caption` and any other.
struct Slide {
    std::string id;
    std::map<std::string, std::string> attributes;

    // The attribute's text; the fallback when the slide has none.
    std::string attribute(const std::string& name, const std::string& fallback = "") const;
    bool has(const std::string& name) const { return attributes.count(name) != 0; }
};

class ResourceManager;
class GLTexture;

// A file in a folder given with or without its final slash.
std::string pathIn(const std::string& folder, const std::string& file);

// The slide's picture (its `file` in `folder`), read once and kept in the
// screen's resources; none for a slide without a file.
const GLTexture* slidePicture(ResourceManager& resources, const std::string& folder,
                              const Slide& slide);

// Reads a slides file: a `Slides` root whose `SlideImage` children, each with
// an `id`, are the slides in file order. A file that cannot be read gives no
// slides, and a slide without an id is left out; each says so in a line.
std::vector<Slide> readSlides(const std::string& path);
