#include "tests/support/TestScreen.h"

#include "engine/app/GameApp.h"
#include "engine/graphics/Graphics.h"

TestScreen::TestScreen(std::vector<std::string>* journal, const std::string& name)
    : ScreenBase(name), journal_(journal) {}

TestScreen::~TestScreen() {
    note("destroyed");
}

void TestScreen::note(const std::string& what) {
    if (journal_) {
        journal_->push_back(name() + ":" + what);
    }
}

void TestScreen::createWidgets() {
    note("createWidgets");
    if (onCreateWidgets) {
        onCreateWidgets();
    }
}

void TestScreen::onUpdate(int elapsedMs) {
    updates.push_back(elapsedMs);
    if (onUpdateHook) {
        onUpdateHook(elapsedMs);
    }
}

void TestScreen::onShown() {
    ++shownCount;
    note("shown");
}

void TestScreen::onClosed(int exitCode) {
    ++closedCount;
    lastExitCode = exitCode;
    note("closed");
    if (onClosedHook) {
        onClosedHook(exitCode);
    }
}

void TestScreen::drawBackground(Graphics& graphics) {
    if (fillBackground) {
        GameApp* app = GameApp::instance();
        graphics.fillRect(0, 0, app->width(), app->height(), background);
    }
}

void TestScreen::onKeyEvent(const KeyEvent& event) {
    keys.push_back(event);
    ScreenBase::onKeyEvent(event);
}

void TestScreen::onMouseEvent(const MouseEvent& event) {
    mice.push_back(event);
    ScreenBase::onMouseEvent(event);
}

void TestScreen::onCovered(GameApp& app) {
    note("covered");
    ScreenBase::onCovered(app);
}

void TestScreen::onUncovered(GameApp& app) {
    note("uncovered");
    ScreenBase::onUncovered(app);
}

void TestScreen::mousePressed(const MouseEvent& event) {
    rootPresses.push_back(event);
}
