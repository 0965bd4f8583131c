#pragma once

#include "engine/anim/ActionListener.h"
#include "game/minigames/MiniGameBase.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

class CombinationButton;
namespace lux {
class ActionDelay;
}

// The safe: a keypad of 4 x 4 lit keys. The keys pressed in the puzzle
// file's order open it; a wrong sequence of full length sounds the buzzer and,
// 750 ms later, clears the keypad for another try.
class MG_Screen5 : public MiniGameBase, public SimpleButtonListener, public lux::ActionListener {
public:
    static constexpr const char* DefaultFile = "content/config/minigames/screen5.xml";
    static constexpr int ResetDelayMs = 750;
    // Long enough for any code a player would enter.
    static constexpr std::size_t MaxSolution = 64;
    // (row, column): row 4 is the top row, column 1 the left one.
    using KeyName = std::pair<int, int>;

    explicit MG_Screen5(int musicSceneId, std::string file = DefaultFile);
    ~MG_Screen5() override;

    void onStart() override;
    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void onUpdate(int elapsedMs) override;
    // Keys (ids 0-15) and the MENU and SKIP buttons.
    void buttonEvent(int id, int code) override;
    void actionFinished(int index) override;
    PlayerMove suggestMove() override;

    // Where key i sits on the screen.
    static int keyX(int index) { return 376 + 64 * (index % 4); }
    static int keyY(int index) { return 224 + 64 * (index / 4); }
    static KeyName nameOf(int index) { return {4 - index / 4, index % 4 + 1}; }

    bool isOpened() const { return opened_; }
    const std::vector<int>& pressed() const { return pressed_; }
    const std::vector<KeyName>& solution() const { return solution_; }
    const std::vector<CombinationButton*>& keys() const { return keys_; }
    bool resetRunning() const;

private:
    void readFile();
    bool matches() const;

    std::string file_;
    bool opened_ = false;
    std::vector<int> pressed_;
    std::vector<CombinationButton*> keys_;
    std::vector<KeyName> solution_;
    std::unique_ptr<lux::ActionDelay> resetDelay_;
    // The automated player's try: the code, or once a wrong one.
    std::vector<int> attempt_;
};
