#include "game/menus/MainMenu.h"

#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/app/GameState.h"
#include "engine/audio/AudioEngine.h"
#include "engine/core/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/persist/LabelManager.h"
#include "engine/persist/SaveGame.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/MessageDialogSimple.h"
#include "engine/ui/MessageQuestionDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "game/GameDialogs.h"
#include "game/GameFlow.h"
#include "game/GameSave.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/ResourceTables.h"
#include "game/menus/FreePlayMenu.h"
#include "game/menus/OptionsMenu.h"
#include "game/menus/PlayerProfilesMenu.h"
#include "game/menus/QuitDialogScreen.h"
#include "game/scene/data/ItemRegistry.h"

namespace {

const Color kWhite(255, 255, 255, 255);
const Color kGold(229, 196, 89, 255);
constexpr int kDialogWidth = 359;
constexpr int kDialogHeight = 257;
const char* const kButtonLabels[] = {"PLAY", "FREE_PLAY", "OPTIONS", "CHANGE_PROFILE", "EXIT_GAME"};

GameApp* app() {
    return GameApp::instance();
}

} // namespace

MainMenu::MainMenu(std::string context) : ScreenBase("MainMenu"), context_(std::move(context)) {
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
    PlayerProfile* profile = PlayerProfiles::instance().currentProfile();
    if (profile && context_ == "finished") {
        profile->finished = true;
        GameFlow::instance().setPosition(0);
        profile->started = false;
        GameSave::saveNow();
    }
}

void MainMenu::onStart() {
    resource_tables::registerMainMenuTextures(resources());
}

void MainMenu::onLanguageChanged() {
    for (std::size_t id = 0; id < buttons_.size(); ++id) {
        buttons_[id]->setLabel(applicationLabel(kButtonLabels[id]));
    }
    layOutGreeting();
}

void MainMenu::layOutGreeting() {
    if (!welcome_ || !name_) {
        return;
    }
    // The name follows the greeting, whatever its length in the language.
    const std::string welcome = applicationLabel("WELCOME");
    const Font* font = applicationFont("FONT_CheltenhamBT22");
    const int width = font ? font->textWidth(welcome) : 0;
    welcome_->setText(welcome);
    welcome_->setBounds(ButtonX, GreetingY, width, 30);
    name_->setBounds(ButtonX + width, GreetingY, 400, 30);
}

QuillButton* MainMenu::button(int id) const {
    return id >= 0 && id < int(buttons_.size()) ? buttons_[std::size_t(id)] : nullptr;
}

void MainMenu::createWidgets() {
    const GLTexture* normal = resources().getTexture("MAIN_BTN_N");
    const GLTexture* over = resources().getTexture("MAIN_BTN_O");
    const int width = normal ? normal->imageWidth() : 260;
    const int height = normal ? normal->imageHeight() : 48;
    ButtonStyle style;
    style.fadeTime = 150;
    style.hAlign = Font::AlignCenter;
    style.vAlign = Font::AlignMiddle;
    style.labelRect = WidgetRect(0, 2, 0, width, height);
    for (std::size_t i = 0; i < 4; ++i) {
        style.looks[i].texture = normal;
        style.looks[i].font = applicationFont("FONT_CheltenhamBT22");
        style.looks[i].labelColor = kWhite;
    }
    style.looks[ButtonStyle::Over].texture = over;
    style.looks[ButtonStyle::Over].labelColor = kGold;
    style.looks[ButtonStyle::Pressed].texture = over;
    style.looks[ButtonStyle::Pressed].labelColor = kGold;
    style.looks[ButtonStyle::Disabled].color = Color(160, 160, 160, 200);
    for (int id = Play; id <= ExitGame; ++id) {
        auto button = makeQuillButton(this, id, style, applicationLabel(kButtonLabels[id]));
        button->setBounds(ButtonX, FirstButtonY + ButtonStep * id, width, height);
        buttons_.push_back(addWidget(std::move(button)));
    }

    const Font* font = applicationFont("FONT_CheltenhamBT22");
    welcome_ = addWidget(std::make_unique<TextLabel>("", font, TextLabel::TopLeft, kWhite,
                                                     Color(0, 0, 0, 0), Color(0, 0, 0, 160)));
    name_ = addWidget(std::make_unique<TextLabel>("", font, TextLabel::TopLeft, kGold,
                                                  Color(0, 0, 0, 0), Color(0, 0, 0, 160)));
    layOutGreeting();
    updateNameLabel();

    // Coming back from free play keeps the music that is playing.
    _Mix_Music* music = app() ? app()->getResources().getMusicStream("MAIN_MUSIC") : nullptr;
    if (music && context_ != "fromFreePlay") {
        AudioEngine::instance().fadeInMusic(music, 500, -1);
    }
}

const std::string& MainMenu::profileName() const {
    static const std::string none;
    return name_ ? name_->text() : none;
}

void MainMenu::updateNameLabel() {
    const PlayerProfile* profile = PlayerProfiles::instance().currentProfile();
    if (name_) {
        name_->setText(profile ? profile->name : "");
    }
}

void MainMenu::onShown() {
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    engineLog() << "Main menu shown (" << context_ << "), player '"
                << (player ? player->name : std::string()) << "'\n";
    SaveGame* save = app() ? app()->getSaveGame() : nullptr;
    const std::string setAside = save ? save->takeSetAsideNotice() : std::string();
    if (!setAside.empty()) {
        // Told before anything else; the profiles follow when it is read.
        engineLog() << "Main menu: telling the player the save was set aside as \"" << setAside
                    << "\"\n";
        addWidget(std::make_unique<MessageDialogSimple>(
            parchmentDialogDesc(applicationLabel("SAVE_SET_ASIDE_TITLE"),
                                applicationLabel("SAVE_SET_ASIDE_MESSAGE"), applicationLabel("OK"),
                                "", offsetX(), offsetY()),
            this, SetAsideNoticeId));
        return;
    }
    askForAProfileWhenThereIsNone();
}

void MainMenu::askForAProfileWhenThereIsNone() {
    if (PlayerProfiles::instance().profileCount() == 0 && app()) {
        app()->startScreen(std::make_unique<PlayerProfilesMenu>());
    }
}

void MainMenu::onDialogClosed(int, int) {
    askForAProfileWhenThereIsNone();
}

void MainMenu::onUncovered(GameApp& gameApp) {
    ScreenBase::onUncovered(gameApp);
    updateNameLabel();
    setEnabled(true);
}

const GLTexture* MainMenu::backdrop() const {
    return resources().getTexture("MAIN_BG");
}

void MainMenu::drawBackground(Graphics& graphics) {
    graphics.drawTexture(0, 0, backdrop(), Color());
    // The title is painted into the picture; the subtitle under it is drawn
    // in the player's language, with a shadow like the title's.
    if (const Font* font = applicationFont("FONT_CheltenhamBT22")) {
        const std::string subtitle = applicationLabel("SUBTITLE");
        font->drawText(graphics, SubtitleX + 2, SubtitleY + 2, subtitle, Color(0, 0, 0, 170));
        font->drawText(graphics, SubtitleX, SubtitleY, subtitle, Color(246, 232, 200, 255));
    }
    if (highlighted_ >= 0) {
        graphics.drawTexture(-5, 90 + ButtonStep * highlighted_,
                             resources().getTexture("MAIN_MENU_CHOICE"), Color());
    }
}

bool MainMenu::canPlay() const {
    const GameFlow& flow = GameFlow::instance();
    const int position = flow.position();
    return position >= 0 && position < int(flow.entries().size()) &&
           flow.hasScreenType(flow.entries()[std::size_t(position)].type);
}

void MainMenu::buttonEvent(int id, int code) {
    if (code == ButtonEntered) {
        highlighted_ = id;
        return;
    }
    if (code == ButtonLeft) {
        highlighted_ = -1;
        return;
    }
    if (code != ButtonClicked || phase() != Shown) {
        return;
    }
    switch (id) {
    case Play: {
        if (!canPlay()) {
            // Nothing to build at the saved position: the player stays here.
            engineLog() << "Main menu: the game flow has no screen to play at position "
                        << GameFlow::instance().position() << "\n";
            return;
        }
        PlayerProfile* profile = PlayerProfiles::instance().currentProfile();
        if (!profile) {
            // The game is played by a profile: the player names one first.
            if (app()) {
                app()->startScreen(std::make_unique<PlayerProfilesMenu>());
            }
        } else if (profile->started) {
            askNewOrContinue();
        } else {
            profile->started = true;
            GameSave::saveNow();
            close(PlayCode);
        }
        break;
    }
    case FreePlay:
        close(FreePlayCode);
        break;
    case Options:
        if (app()) {
            app()->startScreen(std::make_unique<OptionsMenu>());
        }
        break;
    case ChangeProfile:
        if (app()) {
            app()->startScreen(std::make_unique<PlayerProfilesMenu>());
        }
        break;
    case ExitGame: {
        QuitDialogHost* host = app() ? app()->quitHost() : nullptr;
        if (!host) {
            close(ExitCode);
        } else if (!host->isQuitDialogShown()) {
            app()->startScreen(std::make_unique<QuitDialogScreen>(host));
        }
        break;
    }
    default:
        break;
    }
}

void MainMenu::askNewOrContinue() {
    // The first button starts anew (answer 1), the second continues (0).
    addWidget(std::make_unique<MessageQuestionDialogSimple>(
        parchmentDialogDesc(applicationLabel("PLAY"), applicationLabel("PLAY_GAME_CHOICE"),
                            applicationLabel("NEW_GAME"), applicationLabel("CONTINUE_SMALL"),
                            offsetX(), offsetY()),
        this));
}

void MainMenu::onQuestionAnswered(int, int answer) {
    if (answer == 1) {
        GameFlow::instance().setPosition(0);
        ItemRegistry::instance().clear();
        if (PlayerProfile* profile = PlayerProfiles::instance().currentProfile()) {
            profile->reset();
            profile->started = true;
        }
        GameSave::saveNow();
    }
    close(PlayCode);
}

PlayerMove MainMenu::suggestMove() {
    if (phase() != Shown) {
        return PlayerMove::wait();
    }
    PlayerMove move;
    // The play question: continue where the profile is (the second button).
    if (dialogMove(move, MessageQuestionDialogSimple::NoButtonId)) {
        return move;
    }
    // Once the game is played to its end, a scene is replayed in free play.
    const PlayerProfile* player = PlayerProfiles::instance().currentProfile();
    if (context_ == "finished" || (player && player->finished && !player->started)) {
        if (FreePlayMenu::replaysThisRun() == 0) {
            return clickOn(button(FreePlay), "FREE_PLAY");
        }
        return PlayerMove::done("the main menu after the game's end and a replay in free play");
    }
    if (!canPlay()) {
        const GameFlow& flow = GameFlow::instance();
        const int position = flow.position();
        const bool inFlow = position >= 0 && position < int(flow.entries().size());
        return PlayerMove::blocked(
            "the game flow has no screen to play at position " + std::to_string(position) +
            (inFlow ? " (type \"" + flow.entries()[std::size_t(position)].type + "\")"
                    : std::string(" (past the end)")));
    }
    // Once a run, a player with a game under way sets an option first.
    if (player && player->started && OptionsMenu::closedThisRun() == 0) {
        return clickOn(button(Options), "OPTIONS");
    }
    return clickOn(button(Play), "PLAY");
}

void MainMenu::onClosed(int exitCode) {
    GameApp* gameApp = app();
    if (!gameApp) {
        return;
    }
    gameApp->popScreen();
    switch (exitCode) {
    case PlayCode:
        if (auto screen = GameFlow::instance().next(false)) {
            gameApp->startScreen(std::move(screen));
        } else {
            gameApp->startScreen(std::make_unique<MainMenu>("fromFreePlay"));
        }
        break;
    case FreePlayCode:
        gameApp->startScreen(std::make_unique<FreePlayMenu>("fromMainMenu"));
        break;
    case ExitCode:
        gameApp->requestQuit();
        break;
    default:
        break;
    }
}
