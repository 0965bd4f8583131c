#pragma once

#include "engine/graphics/Types.h"
#include "game/minigames/MiniGameBase.h"

#include <map>
#include <string>
#include <vector>

class GLTexture;

// A picture with named areas (the keys of an instrument): the player clicks
// them in the puzzle file's order. Each click sounds the area's own effect and
// each right one lights a mark; a wrong click, or one beside every area,
// starts the tune over with the wrong-solution dialog.
class MG_Screen18 : public MiniGameBase {
public:
    // Tunes longer than this are a damaged file.
    static constexpr std::size_t MaxSteps = 256;
    static constexpr std::size_t MaxAreas = 256;

    struct Mark {
        float x = 0;
        float y = 0;
        bool known = false; // a step without a Note has no mark
    };

    MG_Screen18(const std::string& configFile, int musicSceneId);

    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void mouseReleased(const MouseEvent& event) override;
    PlayerMove suggestMove() override;

    int progress() const { return progress_; }
    const std::vector<std::string>& steps() const { return steps_; }
    const std::map<std::string, WidgetRect>& areas() const { return areas_; }
    const std::vector<Mark>& marks() const { return marks_; }

private:
    void readFile();

    std::map<std::string, WidgetRect> areas_;
    std::vector<Mark> marks_;
    std::vector<std::string> steps_;
    std::string configFile_;
    const GLTexture* background_ = nullptr;
    const GLTexture* markTexture_ = nullptr;
    int progress_ = 0;
    // The automated player's wrong note, played once in a whole game.
    bool slip_ = false;
};
