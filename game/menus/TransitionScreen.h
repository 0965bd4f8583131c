#pragma once

#include "engine/anim/ActionListener.h"
#include "engine/ui/ScreenBase.h"
#include "engine/ui/WidgetListeners.h"

#include <memory>
#include <string>

namespace lux {
class Action;
}

// The caption card between chapters ("Chapter 1 - The Taproom"): a plate
// with the caption over the background for screenDuration, ended early by a
// click; then the game flow's next screen.
class TransitionScreen : public ScreenBase, public QuillButtonListener, public lux::ActionListener {
public:
    enum Event { ClickedAway = 0, TimeUp = 1 };

    // The caption is a label key; a key the label table lacks is shown as written.
    TransitionScreen(std::string caption, int screenDurationMs, int fadeInMs, int fadeOutMs);
    ~TransitionScreen() override;

    void onStart() override;
    void createWidgets() override;
    void onUpdate(int elapsedMs) override;
    void drawBackground(Graphics& graphics) override;
    void mousePressed(const MouseEvent& event) override;
    void buttonEvent(int, int) override {}
    void actionFinished(int index) override;
    void onClosed(int exitCode) override;
    // A click on the card, as a player who has read it.
    PlayerMove suggestMove() override;

    // The caption's text as drawn.
    const std::string& captionText() const { return captionText_; }

private:
    std::string caption_;
    std::string captionText_;
    int screenDurationMs_;
    std::unique_ptr<lux::Action> delay_;
};
