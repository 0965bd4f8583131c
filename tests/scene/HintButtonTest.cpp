// The HINT button through real pointer events on the fake clock: a click
// while ready reaches the scene and starts a 45 s recharge; clicks during it,
// and a press released elsewhere, do not.
#include "game/scene/HintButton.h"
#include "engine/ui/WidgetListeners.h"
#include "tests/support/WidgetScreenFixture.h"

namespace {

class Reports : public SimpleButtonListener {
public:
    void buttonEvent(int id, int state) override {
        EXPECT_EQ(4, id);
        states.push_back(state);
    }
    int count(int state) const { return int(std::count(states.begin(), states.end(), state)); }
    std::vector<int> states;
};

class HintButtonTest : public WidgetScreenFixture {
protected:
    void SetUp() override {
        WidgetScreenFixture::SetUp();
        base = blockTexture(128, 64, 128, 64);
        button = add(std::make_unique<HintButton>(&reports, 4, base.get(), nullptr));
        button->setPosition(100, 100);
        app->step();
    }
    std::unique_ptr<GLTexture> base;
    Reports reports;
    HintButton* button = nullptr;
};

TEST_F(HintButtonTest, OneHintPer45SecondsWhateverThePlayerClicks) {
    input().clickOn(*button);
    app->step();
    EXPECT_EQ(1, reports.count(HintButton::Clicked));
    EXPECT_FALSE(button->isReady());

    input().clickAt(160, 130); // again at once: only the press is heard
    app->step();
    EXPECT_EQ(2, reports.count(HintButton::Pressed));
    EXPECT_EQ(1, reports.count(HintButton::Clicked));

    app->stepFor(44000);
    EXPECT_FALSE(button->isReady());
    EXPECT_NEAR(0.98f, button->progress(), 0.01f); // 44.2 s of 45
    app->stepFor(1000);
    EXPECT_TRUE(button->isReady());
    input().clickAt(160, 130);
    app->step();
    EXPECT_EQ(2, reports.count(HintButton::Clicked));
}

TEST_F(HintButtonTest, APressReleasedOffTheButtonGivesNoHint) {
    input().pressAt(160, 130).moveTo(400, 400).releaseAt(400, 400);
    app->step();
    EXPECT_EQ(1, reports.count(HintButton::Pressed));
    EXPECT_EQ(0, reports.count(HintButton::Clicked));
    EXPECT_TRUE(button->isReady());
}

} // namespace
