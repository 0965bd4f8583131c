#pragma once

#include "engine/ui/ScreenBase.h"
#include "engine/ui/WidgetListeners.h"
#include "game/menus/Slides.h"

#include <string>
#include <vector>

class GLTexture;
class QuillButton;

// The credits slide show: each slide slowly zooms (in on one slide, out on
// the next) and, after five seconds, the next slide cross-fades in over a
// second. The main menu's music plays. MENU leaves for the main menu; SKIP
// and the last slide go on with the game flow.
class OpeningCredits : public ScreenBase, public QuillButtonListener {
public:
    enum Event { ToMenu = 0, Finished = 1 };
    static constexpr int SlideMs = 6000;
    static constexpr int HoldMs = 5000;
    static constexpr float ZoomStep = 0.15f;

    OpeningCredits(std::string folder, std::string fileName);

    void onStart() override {}
    void createWidgets() override;
    void onShown() override;
    void onUpdate(int elapsedMs) override;
    void drawBackground(Graphics& graphics) override;
    void buttonEvent(int id, int code) override;
    void onClosed(int exitCode) override;
    // SKIP: the automated player has seen enough.
    PlayerMove suggestMove() override;

    int slideIndex() const { return slideIndex_; }
    float zoom() const { return zoom_; }
    int currentAlpha() const { return currentAlpha_; }

private:
    // The next slide becomes the current one; false past the last.
    bool advance();
    void startSlideAction();
    void drawZoomed(Graphics& graphics, const GLTexture* picture, int alpha) const;

    QuillButton* skip_ = nullptr;
    std::string folder_;
    std::string fileName_;
    std::vector<Slide> slides_;
    int slideIndex_ = -1;
    const GLTexture* previousSlide_ = nullptr;
    const GLTexture* currentSlide_ = nullptr;
    int currentAlpha_ = 0;
    float zoom_ = 1.0f;
    // The running slide action: its time, where the zoom started and its way.
    bool actionRunning_ = false;
    int actionMs_ = 0;
    float zoomFrom_ = 1.0f;
    float zoomBy_ = ZoomStep;
};
