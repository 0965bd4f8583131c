#include "game/menus/PlayerProfilesMenu.h"

#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "game/GameDialogs.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/ResourceTables.h"
#include "game/menus/PlayerNameEntry.h"
#include "game/scene/data/ItemRegistry.h"

namespace {

constexpr int kFrameWidth = 500;
constexpr int kFrameHeight = 440;
// The dark well painted into the frame picture holds the list.
constexpr int kListX = 46;
constexpr int kListY = 92;
constexpr int kButtonWidth = 128;
constexpr int kButtonHeight = 64;

} // namespace

PlayerProfilesMenu::PlayerProfilesMenu()
    : DialogScreen("PlayerProfilesMenu",
                   {"PROF_BG", kFrameWidth, kFrameHeight, 128, OpenAnimation, CloseAnimation}) {}

void PlayerProfilesMenu::onStart() {
    resource_tables::registerProfilesMenuTextures(resources());
    loadAnimations();
}

QuillButton* PlayerProfilesMenu::button(int id) const {
    return id >= 0 && id < int(buttons_.size()) ? buttons_[std::size_t(id)] : nullptr;
}

void PlayerProfilesMenu::createWidgets() {
    playOpening();
}

void PlayerProfilesMenu::buildWidgets() {
    const int x = frameX();
    const int y = frameY();
    auto title = std::make_unique<TextLabel>(applicationLabel("PROFILES"),
                                             applicationFont("FONT_CheltenhamBT28"),
                                             TextLabel::CentredHorizontally, parchmentTitle());
    title->setBounds(x, y + 22, kFrameWidth, 36);
    addDialogWidget(std::move(title));

    auto list = std::make_unique<SimpleTextListWidget>(this, 0, applicationFont(ListFont));
    list->setRowTexture(resources().getTexture("PROF_NAME_BG_N"));
    list->setSelectedRowTexture(resources().getTexture("PROF_NAME_BG_S"));
    list->setVisibleRows(VisibleRows);
    list->setPosition(x + kListX, y + kListY);
    list_ = addDialogWidget(std::move(list));

    const GLTexture* base = resources().getTexture("PROF_BTN_BASE");
    const char* const labels[] = {"CREATE", "RENAME", "DELETE", "OK"};
    const int column = x + kFrameWidth - 40 - kButtonWidth;
    const int positions[][2] = {{column, y + 84},
                                {column, y + 144},
                                {column, y + 204},
                                {x + (kFrameWidth - kButtonWidth) / 2, y + 348}};
    buttons_.clear();
    for (int id = Create; id <= Ok; ++id) {
        QuillButton* button =
            addDialogWidget(makeParchmentButton(this, id, base, applicationLabel(labels[id])));
        button->setBounds(positions[id][0], positions[id][1], kButtonWidth, kButtonHeight);
        buttons_.push_back(button);
    }
    const char* const arrows[] = {"PROF_ARROW_UP_N", "PROF_ARROW_DOWN_N"};
    for (int i = 0; i < 2; ++i) {
        ButtonStyle arrowStyle;
        arrowStyle.fadeTime = 150;
        for (auto& look : arrowStyle.looks) {
            look.texture = resources().getTexture(arrows[i]);
        }
        arrowStyle.looks[ButtonStyle::Over].color = Color(255, 226, 190);
        arrowStyle.looks[ButtonStyle::Disabled].color = Color(200, 190, 180, 120);
        QuillButton* arrow = addDialogWidget(makeQuillButton(this, Up + i, arrowStyle, ""));
        arrow->setBounds(x + kListX + 236, y + kListY + (i == 0 ? 0 : 168 - 32), 32, 32);
        buttons_.push_back(arrow);
    }

    const PlayerProfiles& profiles = PlayerProfiles::instance();
    for (int i = 0; i < profiles.profileCount(); ++i) {
        list_->addItem(profiles.profileAt(i)->name);
    }
    list_->select(profiles.current());
    updateButtons();
    if (profiles.profileCount() == 0) {
        openNameEntry(CreateMode);
    }
}

void PlayerProfilesMenu::onWidgetsRemoved() {
    buttons_.clear();
    list_ = nullptr;
}

void PlayerProfilesMenu::updateButtons() {
    if (!list_ || buttons_.size() <= std::size_t(Down)) {
        return;
    }
    const bool selected = list_->selected() >= 0;
    const bool any = list_->itemCount() > 0;
    buttons_[Rename]->setEnabled(selected);
    buttons_[Delete]->setEnabled(selected);
    buttons_[Ok]->setEnabled(any);
    buttons_[Up]->setEnabled(selected && list_->selected() > 0);
    buttons_[Down]->setEnabled(selected && list_->selected() + 1 < list_->itemCount());
}

void PlayerProfilesMenu::onItemSelected(int, int) {
    updateButtons();
}

void PlayerProfilesMenu::openNameEntry(int mode) {
    mode_ = mode;
    editedName_ = mode == RenameMode && list_ ? list_->getItem(list_->selected()) : "";
    if (GameApp* app = GameApp::instance()) {
        app->startScreen(std::make_unique<PlayerNameEntry>(editedName_));
    }
}

void PlayerProfilesMenu::buttonEvent(int id, int code) {
    if (code != ButtonClicked || !list_) {
        return;
    }
    const int selected = list_->selected();
    switch (id) {
    case Create:
        openNameEntry(CreateMode);
        break;
    case Rename:
        if (selected >= 0) {
            openNameEntry(RenameMode);
        }
        break;
    case Delete:
        if (selected >= 0) {
            addWidget(std::make_unique<MessageQuestionDialogSimple>(
                parchmentDialogDesc(applicationLabel("DIALOG_DELETE_PROFILE_CAPTION"),
                                    applicationLabel("MESSAGE_DELETE_PROFILE"),
                                    applicationLabel("YES"), applicationLabel("NO"), offsetX(),
                                    offsetY()),
                this));
        }
        break;
    case Ok:
        confirm();
        break;
    case Up:
        if (selected > 0) {
            list_->select(selected - 1);
        }
        break;
    case Down:
        if (selected >= 0 && selected + 1 < list_->itemCount()) {
            list_->select(selected + 1);
        }
        break;
    default:
        break;
    }
}

void PlayerProfilesMenu::onQuestionAnswered(int, int answer) {
    if (answer != 1 || !list_) {
        return;
    }
    const int selected = list_->selected();
    if (selected < 0) {
        return;
    }
    list_->removeItem(selected);
    PlayerProfiles::instance().removeProfile(selected);
    GameSave::saveNow();
    if (list_->itemCount() == 0) {
        updateButtons();
        openNameEntry(CreateMode);
        return;
    }
    // The row below moves up into the gap; at the end, the row above.
    list_->select(std::min(selected, list_->itemCount() - 1));
    updateButtons();
}

void PlayerProfilesMenu::confirm() {
    PlayerProfiles& profiles = PlayerProfiles::instance();
    if (profiles.profileCount() == 0) {
        return; // a game without a current profile cannot be played
    }
    const int selected = list_ ? list_->selected() : -1;
    if (selected >= 0) {
        profiles.selectProfile(selected);
    } else if (profiles.current() < 0) {
        // The current profile was deleted and no row chosen: the first one.
        profiles.selectProfile(0);
    }
    // Created, renamed or chosen: on the disk before the menu closes.
    GameSave::saveNow();
    playClosing(ClosedExitCode);
}

void PlayerProfilesMenu::onUncovered(GameApp& app) {
    ScreenBase::onUncovered(app);
    const int mode = mode_;
    mode_ = NoEntry;
    if (mode == NoEntry || !list_) {
        return;
    }
    PlayerProfiles& profiles = PlayerProfiles::instance();
    if (mode == CreateMode) {
        if (editedName_.empty()) {
            if (profiles.profileCount() == 0) {
                // Cancelled with no profile at all: the game needs one.
                openNameEntry(CreateMode);
                return;
            }
        } else {
            list_->addItem(editedName_);
            profiles.addProfile(editedName_);
            profiles.selectProfile(profiles.profileCount() - 1);
            profiles.currentProfile()->reset();
            GameFlow::instance().setPosition(0);
            ItemRegistry::instance().clear();
            list_->select(list_->itemCount() - 1);
        }
    } else if (mode == RenameMode) {
        const int selected = list_->selected();
        if (selected >= 0 && !editedName_.empty()) {
            list_->setItem(selected, editedName_);
            profiles.profileAt(selected)->name = editedName_;
        }
    }
    confirm();
}

PlayerMove PlayerProfilesMenu::suggestMove() {
    if (phase() != Shown || isClosing() || !list_ || buttons_.size() <= std::size_t(Ok)) {
        return PlayerMove::wait();
    }
    PlayerMove move;
    // Deleting is never the automated player's idea: it keeps its profiles.
    if (dialogMove(move, MessageQuestionDialogSimple::NoButtonId)) {
        return move;
    }
    if (list_->itemCount() == 0) {
        return clickOn(buttons_[Create], "CREATE");
    }
    return clickOn(buttons_[Ok], "OK");
}

void PlayerProfilesMenu::onClosed(int) {
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    engineLog() << "Profile menu closed, player '" << (player ? player->name : std::string())
                << "'\n";
    DialogScreen::onClosed(ClosedExitCode);
}
