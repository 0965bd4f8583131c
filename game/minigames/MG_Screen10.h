#pragma once

#include "game/minigames/MiniGameBase.h"

#include <array>
#include <vector>

class GLTexture;

// Eight books on a shelf: the player picks one, then another, and the two
// change places, until they stand in Grandmother's order. Layout and answer
// are fixed.
class MG_Screen10 : public MiniGameBase {
public:
    static constexpr int Books = 8;
    // Reading the shelf from the left, the books of the answer.
    static constexpr std::array<int, Books> Answer = {1, 5, 2, 7, 6, 0, 4, 3};

    struct Slot {
        int book = 0;
        int x = 0;
        int y = 0;
        int z = 0;
        int width = 0;
        int height = 0;
        bool selected = false;
        const GLTexture* texture = nullptr;

        bool contains(int px, int py) const {
            return x <= px && px < x + width && y <= py && py < y + height;
        }
    };

    explicit MG_Screen10(int musicSceneId);

    void onStart() override;
    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void mousePressed(const MouseEvent& event) override;
    PlayerMove suggestMove() override;

    bool isSolved() const { return solved_; }
    const std::vector<Slot>& slots() const { return slots_; }

private:
    bool inOrder() const;

    bool solved_ = false;
    std::vector<Slot> slots_;
};
