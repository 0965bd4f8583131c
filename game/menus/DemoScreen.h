#pragma once

#include "engine/app/ScreenBase.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/CustomSliderWidget.h"
#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/SimpleTextListWidget.h"
#include "engine/ui/TextInputWidget.h"

#include <vector>

class QuillButton;
class SimpleImageButton;

// The demonstration screen shown until the menus exist. Page 0 shows every
// start-up font and three standard buttons; page 1 shows every kind of widget
// at work (the sliders set the volumes, the check box the effects). A click
// on a standard button (page 0) or on Back (page 1) fades to the other page.
// The menu music plays throughout.
class DemoScreen : public ScreenBase,
                   public QuillButtonListener,
                   public SimpleButtonListener,
                   public CustomSliderListener,
                   public CheckBoxListener,
                   public SimpleTextListListener,
                   public TextInputListener,
                   public MessageQuestionDialogListener {
public:
    enum WidgetId {
        FirstMenuButton = 10,
        BackButton = 20,
        AnswerButton = 21,
        TooltipButton = 22,
        FlagPicture = 23,
        BookPicture = 24,
        MusicSlider = 30,
        SoundSlider = 31,
        EffectsCheckBox = 40,
        NameList = 50,
        NameInput = 60,
    };

    // `leaveWhenDone`: the screen was opened over another one (the main
    // menu's options) and leaves instead of turning to its other page.
    explicit DemoScreen(int page = 0, bool leaveWhenDone = false);

    void onStart() override;
    void createWidgets() override;
    void onShown() override;
    void drawBackground(Graphics& graphics) override;
    void drawForeground(Graphics& graphics) override;
    void onUpdate(int elapsedMs) override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;
    void onSliderChanged(int sliderId, float value) override;
    void onCheckChanged(int checkBoxId, bool ticked) override;
    void onItemSelected(int listId, int index) override;
    void onTextChanged(const std::string& text, int id) override;
    void onQuestionAnswered(int dialogId, int answer) override;
    // The quit question in the game's dialog window.
    void openQuestion();

    int page() const { return page_; }
    const std::vector<QuillButton*>& menuButtons() const { return menuButtons_; }
    SimpleImageButton* backButton() const { return backButton_; }
    CustomSliderWidget* musicSlider() const { return musicSlider_; }
    CheckBoxWidget* effectsCheckBox() const { return effectsCheckBox_; }

private:
    void createFontPage();
    void createWidgetPage();
    void drawFontSamples(Graphics& graphics);
    void drawPanel(Graphics& graphics, int x, int y, int width, int height);

    int page_;
    bool leaveWhenDone_;
    int timeMs_ = 0;
    std::vector<QuillButton*> menuButtons_;
    SimpleImageButton* backButton_ = nullptr;
    CustomSliderWidget* musicSlider_ = nullptr;
    CheckBoxWidget* effectsCheckBox_ = nullptr;
    std::string status_;
};
