// Message and question dialogs on a running screen, driven by real clicks,
// with the game's own opening and closing animations.
#include "engine/graphics/GLTexture.h"
#include "engine/ui/AnimationPlayer.h"
#include "engine/ui/MessageDialogSimple.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/SimpleImageButton.h"
#include "engine/ui/WidgetManager.h"
#include "tests/support/FixedWidthFont.h"
#include "tests/support/RecordingGraphics.h"
#include "tests/support/WidgetScreenFixture.h"

#include <gtest/gtest.h>

namespace {

struct Answers : MessageDialogSimpleListener, MessageQuestionDialogListener {
    void onDialogClosed(int dialogId, int result) override {
        closed.emplace_back(dialogId, result);
    }
    void onQuestionAnswered(int dialogId, int answer) override {
        answered.emplace_back(dialogId, answer);
    }
    std::vector<std::pair<int, int>> closed;
    std::vector<std::pair<int, int>> answered;
};

// At the game's size, on which the dialogs centre themselves.
class MessageDialogTest : public WidgetScreenFixture {
protected:
    MessageDialogTest() : WidgetScreenFixture(1024, 768) {}

    void SetUp() override {
        WidgetScreenFixture::SetUp();
        button = std::make_unique<GLTexture>("content/images/menus/BtnBase.png");
        over = std::make_unique<GLTexture>("content/images/menus/BtnBase.png");
        desc.openAnimationFile = "content/animations/UniversalDialog/MessageDialogStart.xml";
        desc.closeAnimationFile = "content/animations/UniversalDialog/MessageDialogClose.xml";
        desc.messageText = "Leave the inn?";
        desc.titleText = "Leave";
        desc.firstButtonLabel = "OK";
        desc.secondButtonLabel = "No";
        desc.textFont = &font;
        desc.buttonFont = &font;
        desc.textRect = WidgetRect(30, 60, 0, 300, 100);
        desc.dialogX = 332;
        desc.dialogY = 255;
        desc.buttonTexture = button.get();
        desc.buttonOverTexture = over.get();
    }

    template <typename D, typename... Args> D* open(Args&&... args) {
        return add(std::make_unique<D>(std::forward<Args>(args)...));
    }
    void click(const Widget* widget) {
        input().clickOn(*widget);
        app->step();
    }
    bool onScreen(const Widget* widget) const { return screen->widgetManager().contains(widget); }

    FixedWidthFont font;
    std::unique_ptr<GLTexture> button;
    std::unique_ptr<GLTexture> over;
    MessageDialogDesc desc;
    Answers answers;
};

TEST_F(MessageDialogTest, ClicksDuringTheOpeningDoNothing) {
    auto* dialog = open<MessageDialogSimple>(desc, &answers, 5);
    app->step();
    EXPECT_FALSE(dialog->isContentVisible());
    EXPECT_EQ(nullptr, dialog->answerButton());
    const std::size_t pressesBefore = screen->rootPresses.size();
    app->pushClick(512, 384);
    app->pushClick(20, 20);
    app->step();
    EXPECT_EQ(pressesBefore, screen->rootPresses.size()) << "the dialog swallows clicks";
    EXPECT_TRUE(answers.closed.empty());

    app->stepFor(600);
    ASSERT_TRUE(dialog->isContentVisible());
    ASSERT_NE(nullptr, dialog->answerButton());
    EXPECT_TRUE(onScreen(dialog->answerButton()));
    const int w = button->imageWidth();
    EXPECT_EQ((1024 - 332) / 2 + 45 + (332 - w) / 2, dialog->answerButton()->x());
    EXPECT_EQ((768 - 255) / 2 + 255 - 40, dialog->answerButton()->y());
}

TEST_F(MessageDialogTest, TheOwnerHearsOnlyAfterTheClosingAnimation) {
    auto* dialog = open<MessageDialogSimple>(desc, &answers, 5);
    app->stepFor(600);
    click(dialog->answerButton());
    EXPECT_EQ(1, dialog->result());
    EXPECT_FALSE(dialog->isContentVisible());
    EXPECT_FALSE(onScreen(dialog->answerButton())) << "the button leaves at once";
    EXPECT_TRUE(answers.closed.empty()) << "the closing animation plays first";
    app->stepFor(150);
    EXPECT_TRUE(answers.closed.empty());
    app->stepFor(450);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{5, 1}}), answers.closed);
    app->step();
    EXPECT_FALSE(onScreen(dialog));
    EXPECT_EQ(1u, screen->widgetManager().widgets().size()) << "only the screen's root is left";
}

TEST_F(MessageDialogTest, QuestionAnswersYesAndNoAfterClosing) {
    for (const int expected : {1, 0}) {
        auto* dialog = open<MessageQuestionDialogSimple>(desc, &answers);
        app->stepFor(600);
        ASSERT_NE(nullptr, dialog->yesButton());
        ASSERT_NE(nullptr, dialog->noButton());
        EXPECT_LT(dialog->yesButton()->x(), dialog->noButton()->x());
        answers.answered.clear();
        click(expected == 1 ? dialog->yesButton() : dialog->noButton());
        EXPECT_EQ(expected, dialog->answer());
        EXPECT_TRUE(answers.answered.empty());
        app->stepFor(600);
        EXPECT_EQ((std::vector<std::pair<int, int>>{{-1, expected}}), answers.answered);
        EXPECT_FALSE(onScreen(dialog));
    }
}

TEST_F(MessageDialogTest, HiddenSecondButtonLeavesOnlyYes) {
    desc.hideSecondButton = true;
    auto* dialog = open<MessageQuestionDialogSimple>(desc, &answers);
    app->stepFor(600);
    EXPECT_NE(nullptr, dialog->yesButton());
    EXPECT_EQ(nullptr, dialog->noButton());
    int buttons = 0;
    for (const Widget* w : screen->widgetManager().widgets()) {
        buttons += dynamic_cast<const SimpleImageButton*>(w) ? 1 : 0;
    }
    EXPECT_EQ(1, buttons);
}

TEST_F(MessageDialogTest, TitleIsUpperCaseAndAnEmptyOneDrawsNothing) {
    // German titles have umlauts: each is one character, upper-cased as one.
    desc.titleText = "Gr\xC3\xBC\xC3\x9F"
                     "e aus dem Lantern Inn";
    auto* dialog = open<MessageDialogSimple>(desc, &answers, 1);
    app->stepFor(600);
    RecordingGraphics graphics;
    font.drawn.clear();
    dialog->renderOverlay(graphics, screen);
    ASSERT_EQ(2u, font.drawn.size());
    EXPECT_EQ("Leave the inn?", font.drawn[0].text);
    // u-umlaut (C3 BC) becomes U-umlaut (C3 9C); sharp s has no capital of its own.
    EXPECT_EQ("GR\xC3\x9C\xC3\x9F"
              "E AUS DEM LANTERN INN",
              font.drawn[1].text);
    EXPECT_EQ(332 + 150, font.drawn[1].x);
    EXPECT_EQ(255 + 37, font.drawn[1].y);

    MessageDialogDesc untitled = desc;
    untitled.titleText = "";
    auto* plain = open<MessageDialogSimple>(untitled, &answers, 2);
    app->stepFor(600);
    font.drawn.clear();
    plain->renderOverlay(graphics, screen);
    ASSERT_EQ(1u, font.drawn.size());
    EXPECT_EQ("Leave the inn?", font.drawn[0].text);
}

TEST_F(MessageDialogTest, LongMessagesAreWrappedOnceToTheTextBox) {
    desc.messageText = "one two three four five six seven eight nine ten eleven twelve";
    desc.textRect = WidgetRect(30, 60, 0, 120, 100);
    auto* dialog = open<MessageDialogSimple>(desc, &answers, 1);
    EXPECT_EQ(font.wrapWords(desc.messageText, 120), dialog->message());
    EXPECT_NE(std::string::npos, dialog->message().find('\n'));
}

TEST_F(MessageDialogTest, DimsTheScreenAndDrawsTextInTheOverlayPass) {
    auto* dialog = open<MessageDialogSimple>(desc, &answers, 1);
    RecordingGraphics graphics;
    dialog->render(graphics, screen);
    ASSERT_EQ(1, graphics.count("fillRect"));
    EXPECT_EQ(Color(0, 0, 0, 128), graphics.find("fillRect")->color);
    EXPECT_EQ(1024, graphics.find("fillRect")->intArg(2));
    font.drawn.clear();
    dialog->renderOverlay(graphics, screen);
    EXPECT_TRUE(font.drawn.empty()) << "no text while the window opens";
}

TEST_F(MessageDialogTest, WithoutAnimationsTheDialogStillOpensAndCloses) {
    desc.openAnimationFile = "content/animations/none/Start.xml";
    desc.closeAnimationFile = "content/animations/none/Close.xml";
    auto* dialog = open<MessageDialogSimple>(desc, &answers, 9);
    app->step();
    ASSERT_TRUE(dialog->isContentVisible()) << "the content shows at once";
    click(dialog->answerButton());
    EXPECT_EQ((std::vector<std::pair<int, int>>{{9, 1}}), answers.closed);
    app->step();
    EXPECT_FALSE(onScreen(dialog));
}

} // namespace
