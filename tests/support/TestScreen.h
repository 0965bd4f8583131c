#pragma once

#include "engine/graphics/Types.h"
#include "engine/ui/ScreenBase.h"

#include <functional>
#include <string>
#include <vector>

// A screen that records what happens to it, with hooks a test can set.
class TestScreen : public ScreenBase {
public:
    explicit TestScreen(std::vector<std::string>* journal = nullptr, const std::string& name = "");
    ~TestScreen() override;

    void onStart() override { note("start"); }
    void createWidgets() override;
    void onUpdate(int elapsedMs) override;
    void onShown() override;
    void onClosed(int exitCode) override;
    void drawBackground(Graphics& graphics) override;
    void onKeyEvent(const KeyEvent& event) override;
    void onMouseEvent(const MouseEvent& event) override;
    void onCovered(GameApp& app) override;
    void onUncovered(GameApp& app) override;
    void onAppShutdown(GameApp&) override { note("shutdown"); }
    void mousePressed(const MouseEvent& event) override;
    bool showsWhileLoading() const override { return drawsWhileLoading; }
    // Declared only: the screen does not draw it.
    const GLTexture* backdrop() const override { return backdropPicture; }

    std::vector<int> updates;
    std::vector<KeyEvent> keys;
    std::vector<MouseEvent> mice;
    std::vector<MouseEvent> rootPresses;
    int shownCount = 0;
    int closedCount = 0;
    int lastExitCode = -1;
    // A fill over the whole screen drawn as background, when set.
    bool fillBackground = false;
    // Whether the screen may show before deferred resources have loaded.
    bool drawsWhileLoading = false;
    const GLTexture* backdropPicture = nullptr;
    Color background = Color(200, 30, 30);

    std::function<void()> onCreateWidgets;
    std::function<void(int)> onUpdateHook;
    std::function<void(int)> onClosedHook;

private:
    void note(const std::string& what);

    std::vector<std::string>* journal_;
};
