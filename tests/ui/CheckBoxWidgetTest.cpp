#include "engine/ui/CheckBoxWidget.h"
#include "engine/audio/SfxContainer.h"
#include "tests/support/CountingSound.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Changes = std::vector<std::pair<int, bool>>;

struct RecordingCheckListener : CheckBoxListener {
    void onCheckChanged(int checkBoxId, bool ticked) override {
        changes.emplace_back(checkBoxId, ticked);
    }
    Changes changes;
};

class CheckBoxTest : public WidgetScreenFixture {
protected:
    void SetUp() override {
        WidgetScreenFixture::SetUp();
        box = add(
            std::make_unique<CheckBoxWidget>(&listener, 4, boxPicture.get(), tickPicture.get()));
        box->setPosition(60, 70);
    }
    void click() {
        app->pushClick(70, 80);
        app->step();
    }

    std::unique_ptr<GLTexture> boxPicture = blockTexture(24, 22, 24, 22);
    std::unique_ptr<GLTexture> tickPicture = blockTexture(16, 16, 16, 16);
    RecordingCheckListener listener;
    CheckBoxWidget* box = nullptr;
};

TEST_F(CheckBoxTest, EachClickFlipsAndReportsTheNewState) {
    EXPECT_EQ(box->width(), 24);
    EXPECT_EQ(box->height(), 22);
    EXPECT_FALSE(box->isTicked());
    click();
    EXPECT_TRUE(box->isTicked());
    click();
    EXPECT_FALSE(box->isTicked());
    EXPECT_EQ(listener.changes, (Changes{{4, true}, {4, false}}));
}

TEST_F(CheckBoxTest, SetTickedIsSilent) {
    box->setTicked(true);
    EXPECT_TRUE(box->isTicked());
    EXPECT_TRUE(listener.changes.empty());
    click();
    EXPECT_EQ(listener.changes, (Changes{{4, false}})) << "the click flips the stored state";
}

TEST_F(CheckBoxTest, ClickSoundOnlyWhileTheEffectsSwitchIsOff) {
    CountingSound clickSound;
    box->setClickSound(&clickSound);
    click();
    EXPECT_EQ(clickSound.plays, 0) << "the catalogue plays CHECKBOX_CHECK instead";
    SfxContainer::instance().setEnabled(false);
    click();
    click();
    EXPECT_EQ(clickSound.plays, 2);
    EXPECT_EQ(listener.changes.size(), 3u);
}

TEST_F(CheckBoxTest, TickIsDrawnOverTheBoxOnlyWhenTicked) {
    box->setTickTexture(tickPicture.get(), 4, 3);
    RecordingGraphics graphics;
    box->render(graphics, nullptr);
    ASSERT_EQ(graphics.count("drawTexture"), 1);
    EXPECT_EQ(graphics.find("drawTexture")->texture, boxPicture.get());
    EXPECT_EQ(graphics.find("drawTexture")->ints, (std::vector<int>{0, 0}));

    box->setTicked(true);
    graphics.clearCalls();
    box->render(graphics, nullptr);
    const auto drawn = graphics.findAll("drawTexture");
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[1]->texture, tickPicture.get());
    EXPECT_EQ(drawn[1]->ints, (std::vector<int>{4, 3}));
    EXPECT_EQ(drawn[1]->color, Color(255, 255, 255, 255));
}

TEST(CheckBoxWidget, WithoutPicturesItDrawsNothing) {
    CheckBoxWidget box(nullptr, 0, nullptr, nullptr);
    EXPECT_EQ(box.width(), 0);
    box.setTicked(true);
    box.mousePressed(MouseEvent());
    EXPECT_FALSE(box.isTicked());
    RecordingGraphics graphics;
    box.render(graphics, nullptr);
    EXPECT_TRUE(graphics.calls().empty());
    SfxContainer::reset();
}

} // namespace
