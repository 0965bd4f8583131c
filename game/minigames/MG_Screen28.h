#pragma once

#include "game/minigames/MiniGameBase.h"

#include <map>
#include <string>
#include <vector>

class DraggableImageWidget;
class GLTexture;

// The chocolate box: typed slots and loose chocolates of the same types. A
// chocolate dropped near a free slot of its type snaps in and stays; while
// one is dragged near such a slot a pale copy shows where it would land.
class MG_Screen28 : public MiniGameBase, public SimpleButtonListener {
public:
    static constexpr const char* DefaultFile = "content/config/minigames/screen28.xml";
    // A box bigger than this is a damaged file.
    static constexpr std::size_t MaxPieces = 200;
    // Slots this close (squared distance, pixels) or closer take a chocolate.
    static constexpr int SnapDistanceSquared = 1600;

    struct Slot {
        int type = 0;
        int x = 0;
        int y = 0;
        bool filled = false;
    };
    struct Shape {
        int type = 0;
        DraggableImageWidget* widget = nullptr;
    };

    explicit MG_Screen28(int musicSceneId, std::string file = DefaultFile);

    void onStart() override;
    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void buttonEvent(int id, int code) override;
    PlayerMove suggestMove() override;

    const std::vector<Slot>& slots() const { return slots_; }
    const std::vector<Shape>& shapes() const { return shapes_; }
    // The free slot of the shape's type nearest to where it lies, or none.
    const Slot* nearestFreeSlot(const Shape& shape) const;

private:
    void readFile();
    bool allFilled() const;

    std::string file_;
    std::vector<Slot> slots_;
    std::vector<Shape> shapes_;
    int dragged_ = -1;
    std::map<int, const GLTexture*> textures_;
};
