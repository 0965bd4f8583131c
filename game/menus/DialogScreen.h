#pragma once

#include "engine/ui/AnimationListener.h"
#include "engine/ui/ScreenBase.h"

#include <memory>
#include <string>
#include <vector>

class AnimationPlayer;

// A dialog screen over the one below: the screen dims what is under it, the
// dialog's frame opens with a keyframe animation, then its widgets appear;
// closing takes the widgets away, plays the closing animation and closes the
// screen, which then pops itself.
class DialogScreen : public ScreenBase, public AnimationListener {
public:
    struct Look {
        const char* frameTexture; // drawn while the frame is shown
        int frameWidth;           // the frame's size when its picture is missing
        int frameHeight;
        int dimAlpha;              // black over the whole screen
        const char* openAnimation; // played at the frame's place
        const char* closeAnimation;
    };

    DialogScreen(const std::string& name, const Look& look);
    ~DialogScreen() override;

    void drawBackground(Graphics& graphics) override;
    void animationFinished(int id) override;
    void onClosed(int exitCode) override;

    bool isFrameShown() const { return frameShown_; }
    bool isClosing() const { return closing_; }
    // The frame's top-left corner: centred on the configured screen.
    int frameX() const;
    int frameY() const;

protected:
    // Loads the two animations; call once the screen's pictures are registered.
    void loadAnimations();
    // Plays the opening animation; without one the widgets appear at once.
    void playOpening();
    // Takes the widgets away and plays the closing animation; the screen then
    // closes with the exit code.
    void playClosing(int exitCode);
    // Builds the dialog's widgets once the frame has opened.
    virtual void buildWidgets() = 0;
    // The widgets are gone: forget any pointers kept to them.
    virtual void onWidgetsRemoved() {}
    // Adds a widget that closing takes away again.
    template <typename W> W* addDialogWidget(std::unique_ptr<W> widget) {
        W* raw = addWidget(std::move(widget));
        dialogWidgets_.push_back(raw);
        return raw;
    }
    void removeDialogWidgets();

private:
    enum AnimationIndex { Opening = 0, Closing = 1 };

    Look look_;
    std::unique_ptr<AnimationPlayer> player_;
    std::vector<Widget*> dialogWidgets_;
    bool frameShown_ = false;
    bool closing_ = false;
    int pendingExit_ = 0;
};
