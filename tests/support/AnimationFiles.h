#pragma once

#include "tests/support/TemporaryDirectory.h"

#include <sstream>
#include <string>
#include <vector>

// Writes animation files for tests: one object a line of keyframes.
struct KeySpec {
    int time;
    float x = 0, y = 0, z = 0, scale = 100, angle = 0;
    int alpha = 255;
    int type = 0;
};

struct ObjectSpec {
    std::string file;
    std::vector<KeySpec> keys;
    int type = 0;
};

inline std::string animationXml(int length, bool loop, const std::vector<ObjectSpec>& objects,
                                const std::string& name = "test") {
    std::ostringstream xml;
    xml << "<?xml version=\"1.0\"?>\n<Scene name=\"" << name << "\" loop=\"" << (loop ? 1 : 0)
        << "\" length=\"" << length << "\">\n  <Screen Width=\"1024\" Height=\"768\"/>\n";
    for (const ObjectSpec& object : objects) {
        xml << "  <Object file=\"" << object.file << "\" type=\"" << object.type << "\">\n";
        for (const KeySpec& k : object.keys) {
            xml << "    <KeyFrame TimeStamp=\"" << k.time << "\" TypeInterpolator=\"0\" Type=\""
                << k.type << "\"";
            if (k.type == 0) {
                xml << " x=\"" << k.x << "\" y=\"" << k.y << "\" z=\"" << k.z << "\" ScaleX=\""
                    << k.scale << "\" ScaleY=\"" << k.scale << "\" Angle=\"" << k.angle
                    << "\" Red=\"255\" Green=\"255\" Blue=\"255\" Alpha=\"" << k.alpha << "\"";
            }
            xml << "/>\n";
        }
        xml << "  </Object>\n";
    }
    xml << "</Scene>\n";
    return xml.str();
}
