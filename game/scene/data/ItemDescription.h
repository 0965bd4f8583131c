#pragma once

#include <cstdint>
#include <string>

// One Item element of a scene file: what an item looks like and how it is
// classified. The scene files are per language, so `name` is display text.
struct ItemDescription {
    std::string name;
    std::string image; // relative to `path`
    std::string path;  // the scene folder, from the scene index
    std::int32_t layer = 0;
    std::int32_t majorGroupID = 0; // rain density 0..100 for rain items
    std::int32_t minorGroupID = 0;
    float x = 0;
    float y = 0;
    float angle = 0; // slant of rain items, in degrees
    std::int32_t R = 0;
    std::int32_t G = 0;
    std::int32_t B = 0;
    std::int32_t A = 0;
    std::int32_t type = 0; // selects the item-group rule table
    std::string infoTip;   // animation file of animated items
    std::int32_t typeId = 0;

    bool operator==(const ItemDescription& other) const;
    bool operator!=(const ItemDescription& other) const { return !(*this == other); }
};
