#include "engine/ui/Animation2D.h"
#include "engine/ui/AnimationPlayer.h"
#include "tools/quill-tool/Commands.h"

#include <cstdlib>
#include <fstream>

namespace {

constexpr int kFrameMs = 16;

nlohmann::json keyFrameJson(const KeyFrame& key) {
    nlohmann::json json = {{"time", key.timeStamp()},
                           {"type", key.properties() ? key.properties()->kind() : -1}};
    if (const KeyFramePropertiesImage* p = key.image()) {
        json["x"] = p->x;
        json["y"] = p->y;
        json["z"] = p->z;
        json["scaleX"] = p->scaleX;
        json["scaleY"] = p->scaleY;
        // As the file writes it; drawing turns by the negated value.
        json["angle"] = -p->angle;
        json["color"] = {p->red, p->green, p->blue, p->alpha};
    }
    return json;
}

nlohmann::json stateJson(const AnimationElement2D& e) {
    return {{"file", e.fileName()},
            {"x", e.x},
            {"y", e.y},
            {"z", e.z},
            {"scaleX", e.scaleX},
            {"scaleY", e.scaleY},
            {"rotate", e.angle},
            {"color", {int(e.red), int(e.green), int(e.blue), int(e.alpha)}}};
}

} // namespace

int runAnim(const Arguments& args) {
    const Arguments rest = positional(args, {"--at"});
    if (rest.size() != 1) {
        return fail("anim", "usage: anim FILE [--at MS]");
    }
    const std::string& path = rest[0];
    const std::string at = option(args, "--at", "");
    char* end = nullptr;
    const long atMs = at.empty() ? -1 : std::strtol(at.c_str(), &end, 10);
    if (!at.empty() && (*end != '\0' || atMs < 0)) {
        return fail("anim", "the time must be a number of milliseconds, not '" + at + "'");
    }
    if (!std::ifstream(path)) {
        return fail("anim", "cannot open the animation '" + path + "'");
    }
    // Timelines need the pictures' sizes only, not a GL context.
    AnimationPlayer player(nullptr, AnimationPlayer::Pictures::SizeOnly);
    if (!player.load(1, path)) {
        return fail("anim", "cannot read the animation '" + path + "'");
    }
    Animation2D* animation = player.find(1);
    nlohmann::json objects = nlohmann::json::array();
    for (const auto& element : animation->elements()) {
        nlohmann::json keys = nlohmann::json::array();
        for (const auto& [time, key] : element->keyFrames()) {
            keys.push_back(keyFrameJson(*key));
        }
        objects.push_back({{"file", element->fileName()},
                           {"type", element->type()},
                           {"width", element->texture() ? int(element->pivotX * 2) : 0},
                           {"height", element->texture() ? int(element->pivotY * 2) : 0},
                           {"lastKeyTime", element->lastKeyTime()},
                           {"keyFrames", keys}});
    }
    nlohmann::json result = {{"file", path},
                             {"name", animation->name()},
                             {"loop", animation->loops()},
                             {"length", animation->length()},
                             {"screen", {animation->screenWidth(), animation->screenHeight()}},
                             {"objects", objects}};
    if (atMs >= 0) {
        // Played as the game plays it: one update a frame.
        player.play(1, 0, 0, 0, nullptr);
        long elapsed = 0;
        int frames = 0;
        while (elapsed < atMs) {
            const int step = int(std::min<long>(kFrameMs, atMs - elapsed));
            animation->advance(step);
            elapsed += step;
            ++frames;
        }
        nlohmann::json states = nlohmann::json::array();
        for (const auto& element : animation->elements()) {
            states.push_back(stateJson(*element));
        }
        result["at"] = {{"ms", atMs},
                        {"frames", frames},
                        {"frameMs", kFrameMs},
                        {"finished", animation->isFinished()},
                        {"elements", states}};
    }
    return printJson(result);
}
