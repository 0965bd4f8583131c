#pragma once

#include "engine/app/GlobalEventManager.h"
#include "engine/ui/CheckBoxWidget.h"
#include "engine/ui/CustomSliderWidget.h"
#include "game/menus/DialogScreen.h"

#include <memory>
#include <string>
#include <vector>

class ClickableImageWidget;
class QuillButton;
template <typename T> class GenericEntry;

// The settings dialog over the main menu: sound and music volumes, the custom
// cursor and the language (a flag for each) take effect at once; full screen
// is applied when it closes.
// The save game is written on close. The full-screen box follows mode
// changes made meanwhile (Alt+Enter).
class OptionsMenu : public DialogScreen,
                    public QuillButtonListener,
                    public CheckBoxListener,
                    public CustomSliderListener,
                    public GlobalEventListener {
public:
    enum SliderId { MusicSlider = 0, SoundSlider = 1 };
    enum CheckBoxId { FullScreenBox = 0, CursorBox = 1 };
    static constexpr int OkButton = 0;
    // The flag of the configuration's language i has id FirstFlag + i.
    static constexpr int FirstFlag = 100;
    static constexpr int ClosedExitCode = 0;
    static constexpr int TooltipDelayMs = 1500;
    static constexpr const char* OpenAnimation = "content/animations/OptionsMenu/DialogStart.xml";
    static constexpr const char* CloseAnimation = "content/animations/OptionsMenu/DialogClose.xml";

    OptionsMenu();
    ~OptionsMenu() override;

    void onStart() override;
    void createWidgets() override;
    void onUpdate(int elapsedMs) override;
    void drawForeground(Graphics& graphics) override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;
    void onCheckChanged(int checkBoxId, bool ticked) override;
    void onSliderChanged(int sliderId, float value) override;
    void onGlobalEvent(int event, int argument) override;
    // The dialog's widgets are built again with the new labels.
    void onLanguageChanged() override;
    // Once a run the music slider is dragged to another volume (named in the
    // move as "<slider> to <volume>"); then OK.
    PlayerMove suggestMove() override;

    // Times the options were closed in this run; the automated player opens
    // them while this is 0.
    static int closedThisRun();
    static void resetClosedThisRun();

    // The version as "YYMMDD " from a date written like "Apr 11 2012" (the
    // compiler's date); empty, with a diagnostic line, for a foreign month.
    static std::string versionFromDate(const char* date);
    static std::string buildVersion();

    CustomSliderWidget* slider(int id) const { return sliders_[id]; }
    CheckBoxWidget* checkBox(int id) const { return checkBoxes_[id]; }
    QuillButton* okButton() const { return ok_; }
    // The flag of the configuration's language `index`; none.
    ClickableImageWidget* flag(std::size_t index) const {
        return index < flags_.size() ? flags_[index] : nullptr;
    }
    // The tooltip showing now, or an empty text.
    const std::string& tooltip() const { return tooltip_; }
    int listenerId() const { return listenerId_; }

protected:
    void buildWidgets() override;
    void onWidgetsRemoved() override;

private:
    // The text of the tooltip of the widget under the pointer; empty.
    std::string hoveredTooltip() const;

    GenericEntry<int>* soundVolume_ = nullptr;
    GenericEntry<int>* musicVolume_ = nullptr;
    GenericEntry<char>* fullScreen_ = nullptr;
    GenericEntry<char>* customCursor_ = nullptr;
    GlobalEventManager* events_ = nullptr;
    int listenerId_ = -1;
    CustomSliderWidget* sliders_[2] = {nullptr, nullptr};
    CheckBoxWidget* checkBoxes_[2] = {nullptr, nullptr};
    QuillButton* ok_ = nullptr;
    std::vector<ClickableImageWidget*> flags_;
    int musicAtOpen_ = -1;
    std::string hovered_;
    int hoverMs_ = 0;
    std::string tooltip_;
};
