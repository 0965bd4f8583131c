#pragma once

#include "engine/ui/MessageDialogDesc.h"
#include "engine/ui/SimpleTextListWidget.h"
#include "game/menus/DialogScreen.h"

#include <memory>
#include <string>
#include <vector>

class QuillButton;

// Lists the player profiles over the main menu: create, rename, delete and
// choose one. With no profile at all it asks for a name at once, and it
// never closes without a current profile.
class PlayerProfilesMenu : public DialogScreen,
                           public SimpleTextListListener,
                           public QuillButtonListener,
                           public MessageQuestionDialogListener {
public:
    enum ButtonId { Create = 0, Rename = 1, Delete = 2, Ok = 3, Up = 4, Down = 5 };
    enum EntryMode { NoEntry = 0, CreateMode = 1, RenameMode = 2 };
    static constexpr int ClosedExitCode = 3;
    static constexpr int VisibleRows = 7;
    // The font of the list's rows.
    static constexpr const char* ListFont = "FONT_CheltenhamBT20";
    static constexpr const char* OpenAnimation =
        "content/animations/PlayerProfiles/DialogStart.xml";
    static constexpr const char* CloseAnimation =
        "content/animations/PlayerProfiles/DialogClose.xml";

    PlayerProfilesMenu();

    void onStart() override;
    void createWidgets() override;
    void onUncovered(GameApp& app) override;
    void onClosed(int exitCode) override;
    void buttonEvent(int id, int code) override;
    void onItemSelected(int listId, int index) override;
    void onQuestionAnswered(int dialogId, int answer) override;
    // OK on the chosen profile, or CREATE when there is none.
    PlayerMove suggestMove() override;

    SimpleTextListWidget* list() const { return list_; }
    QuillButton* button(int id) const;
    int entryMode() const { return mode_; }

protected:
    void buildWidgets() override;
    void onWidgetsRemoved() override;

private:
    void updateButtons();
    void openNameEntry(int mode);
    // Chooses the selected profile and plays the closing animation.
    void confirm();

    int mode_ = NoEntry;
    std::string editedName_;
    SimpleTextListWidget* list_ = nullptr;
    std::vector<QuillButton*> buttons_;
};
