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

// Reads a slides file: a `Slides` root whose `SlideImage` children, each with
// an `id`, are the slides in file order. A file that cannot be read gives no
// slides, and a slide without an id is left out; each says so in a line.
std::vector<Slide> readSlides(const std::string& path);
