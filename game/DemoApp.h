#pragma once

#include "engine/app/SDLGameApp.h"

// The application until the game's own start-up exists: a 1024 x 768 window
// showing the demonstration screens.
class DemoApp : public SDLGameApp {
public:
    static constexpr int Width = 1024;
    static constexpr int Height = 768;

    explicit DemoApp(std::unique_ptr<TickSource> ticks = nullptr);
    void init() override;
    bool isReady() const { return ready_; }

private:
    bool ready_ = false;
};
