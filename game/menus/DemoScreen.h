#pragma once

#include "engine/app/ScreenBase.h"

#include <vector>

class DemoBoxWidget;

// The demonstration screen shown until the menus exist: it fades in, offers a
// few panels that react to the pointer, and fades out to its other page when
// one is clicked.
class DemoScreen : public ScreenBase, public SimpleButtonListener {
public:
    explicit DemoScreen(int page = 0);

    void onStart() override {}
    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    void drawForeground(Graphics& graphics) override;
    void onUpdate(int elapsedMs) override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;

    int page() const { return page_; }
    const std::vector<DemoBoxWidget*>& boxes() const { return boxes_; }

private:
    void drawFontSamples(Graphics& graphics);

    int page_;
    int timeMs_ = 0;
    std::vector<DemoBoxWidget*> boxes_;
};
