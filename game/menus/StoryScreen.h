#pragma once

#include "engine/ui/ScreenBase.h"
#include "engine/ui/WidgetListeners.h"
#include "game/menus/Slides.h"

#include <string>
#include <vector>

class GLTexture;
class QuillButton;

// The story slide show between scenes: full-screen pictures from the story
// folder's slides.xml, each cross-fading over the one before and staying for
// its `delay`, with its caption (a label key) on a parchment band. Timing is
// counted in update calls, one a frame. MENU leaves for the main menu; SKIP
// and the end of the slides go on with the game flow.
class StoryScreen : public ScreenBase, public QuillButtonListener {
public:
    enum Event { ToMenu = -1, Finished = -2 };
    enum State { Idle = 0, Showing = 1, NextSlide = 2, CrossFading = 3, Done = 4 };
    static constexpr int DefaultDelayMs = 2000;
    static constexpr int CrossFadeTicks = 50;

    StoryScreen(std::string folder, int sceneId);

    void onStart() override;
    void createWidgets() override;
    void onUpdate(int elapsedMs) override;
    void drawBackground(Graphics& graphics) override;
    void drawForeground(Graphics& graphics) override;
    void buttonEvent(int id, int code) override;
    void onClosed(int exitCode) override;
    // SKIP: the automated player has seen enough.
    PlayerMove suggestMove() override;

    int state() const { return state_; }
    int slideIndex() const { return slideIndex_; }
    int slideCount() const { return int(slides_.size()); }
    int slideDelay() const { return slideDelay_; }
    int currentAlpha() const { return currentAlpha_; }
    // The caption of the slide on show, in the current language; empty for none.
    const std::string& caption() const { return caption_; }

private:
    void nextSlide();
    void crossFade();

    QuillButton* skip_ = nullptr;
    std::string folder_;
    int sceneId_;
    std::vector<Slide> slides_;
    int slideIndex_ = -1;
    int ticks_ = 0;
    int slideDelay_ = DefaultDelayMs;
    int state_ = Idle;
    const GLTexture* previousSlide_ = nullptr;
    const GLTexture* currentSlide_ = nullptr;
    int currentAlpha_ = 0;
    std::string caption_;
};
