#include "game/minigames/MiniGameBase.h"

#include "engine/app/AppConfig.h"
#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/audio/AudioEngine.h"
#include "engine/audio/SceneMusic.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/MessageDialogSimple.h"
#include "engine/ui/QuillButton.h"
#include "game/GameDialogs.h"
#include "game/GameFlow.h"
#include "game/GameParameters.h"
#include "game/LanguageChoice.h"
#include "game/minigames/PuzzlePlan.h"

namespace {

constexpr const char* kButtonBase = "MG_BTN_BASE";

void startMainMenu(const std::string& context) {
    GameFlow::instance().startMainMenu(context);
}

} // namespace

MiniGameBase::MiniGameBase(bool buttonsAtTop, int musicSceneId)
    : ScreenBase(""), buttonsAtTop_(buttonsAtTop), musicSceneId_(musicSceneId) {
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
}

MiniGameBase::~MiniGameBase() = default;

void MiniGameBase::onStart() {
    resources().addTexture(kButtonBase,
                           std::make_unique<GLTexture>("content/images/menus/BtnBase.png"));
}

void MiniGameBase::createWidgets() {
    const GLTexture* base = resources().getTexture(kButtonBase);
    const int width = base ? base->imageWidth() : 128;
    const int height = base ? base->imageHeight() : 64;
    const int y = buttonsAtTop_ ? 30 : 691;
    auto menu = makeParchmentButton(this, MenuButtonId, base, applicationLabel("MENU"));
    menu->setBounds(20, y, width, height);
    menuButton_ = addWidget(std::move(menu));
    auto skip = makeParchmentButton(this, SkipButtonId, base, applicationLabel("SKIP"));
    skip->setBounds(1004 - width, y, width, height);
    skipButton_ = addWidget(std::move(skip));

    // The scene's music, started when nothing plays so that no puzzle is silent.
    const std::string music = SceneMusic::instance().musicFor(musicSceneId_);
    if (!music.empty()) {
        resources().addMusicStream("SCENE_MUSIC", AudioEngine::instance().loadMusic(music));
        if (!AudioEngine::instance().isMusicPlaying()) {
            AudioEngine::instance().fadeInMusic(resources().getMusicStream("SCENE_MUSIC"), 500, -1);
        }
    }
}

void MiniGameBase::drawBackground(Graphics& graphics) {
    // Under the puzzle's own picture, which covers it.
    if (const Font* font = applicationFont("FONT_PH_SMALL")) {
        font->drawTextBox(
            graphics, WidgetRect(0, 300, 0, 800, 40),
            "Mini game placeholder !!!\n\nPress ENTER to skip and continue further on.",
            Color(255, 255, 255, 255), Font::AlignCenter, Font::AlignMiddle, false);
    }
}

void MiniGameBase::buttonEvent(int id, int code) {
    if (code != 1) {
        return;
    }
    if (id == SkipButtonId) {
        close(Skipped, true);
    } else if (id == MenuButtonId) {
        close(BackToMenu, true);
    }
}

void MiniGameBase::showResultDialog(int kind) {
    if (resultShown_) {
        return;
    }
    resultShown_ = true;
    const bool wrong = kind == WrongSolution;
    MessageDialogDesc desc =
        parchmentDialogDesc(applicationLabel(wrong ? "WRONG_SOLUTION" : "CONGRATULATION"),
                            applicationLabel(wrong ? "TRY_AGAIN" : "MINI_GAME_FINISHED"),
                            applicationLabel("OK"), "", offsetX(), offsetY());
    addWidget(std::make_unique<MessageDialogSimple>(desc, this, kind));
}

void MiniGameBase::onDialogClosed(int dialogId, int) {
    switch (dialogId) {
    case SolvedAndLeave:
        close(Solved, true);
        break;
    case SolvedAndStay:
        if (skipButton_) {
            skipButton_->setLabel(applicationLabel("CONTINUE"));
        }
        break;
    case WrongSolution:
        resultShown_ = false;
        break;
    default:
        break;
    }
}

void MiniGameBase::onClosed(int exitCode) {
    GameApp* app = GameApp::instance();
    if (!app) {
        return;
    }
    if (launcher_) {
        // The scene below learns how the puzzle ended and takes it from there
        // once it is uncovered.
        launcher_->launchedScreenEnded(exitCode);
        app->popScreen();
        return;
    }
    GameFlow& flow = GameFlow::instance();
    switch (exitCode) {
    case Replay:
        flow.setPosition(flow.position() - 1);
        [[fallthrough]];
    case Solved:
    case Skipped: {
        app->popScreen();
        std::unique_ptr<GameState> next = flow.next(true);
        if (next) {
            app->startScreen(std::move(next));
        }
        break;
    }
    case BackToMenu:
        app->popScreen();
        startMainMenu("fromMiniGame");
        break;
    default:
        break;
    }
}

void MiniGameBase::drawForeground(Graphics& graphics) {
    if (captionKey_.empty() || !menuButton_ || !skipButton_) {
        return;
    }
    // Between the buttons, on a dark band that reads over any picture.
    const int left = menuButton_->x() + menuButton_->width() + 12;
    const int right = skipButton_->x() - 12;
    const std::string caption = applicationLabel(captionKey_);
    const Font* font = applicationFont("FONT_CheltenhamBT20");
    if (font && font->textWidth(caption) > right - left - 16) {
        // A longer language's line in the smaller size rather than on two lines.
        if (const Font* smaller = applicationFont("FONT_CheltenhamBT16")) {
            font = smaller;
        }
    }
    if (!font || right - left < 100) {
        return;
    }
    const int top = menuButton_->y() + 10;
    const int height = 40;
    graphics.fillRect(left, top, right - left, height, Color(24, 14, 8, 170));
    graphics.strokeRect(left, top, right - left, height, Color(214, 172, 84, 200));
    font->drawTextBox(graphics, WidgetRect(left + 8, top, 0, right - left - 16, height), caption,
                      Color(247, 236, 208, 255), Font::AlignCenter, Font::AlignMiddle, false);
}

std::string MiniGameBase::screenName() const {
    return typeName_.empty() ? ScreenBase::screenName() : typeName_;
}

bool MiniGameBase::plannedSkip() {
    if (skipPlanned_ < 0) {
        skipPlanned_ = PuzzlePlan::instance().takeSkip(screenName()) ? 1 : 0;
    }
    return skipPlanned_ == 1;
}

std::string MiniGameBase::textOf(const TiXmlElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value ? value : "";
}

void MiniGameBase::moveButtonsToTop() {
    if (menuButton_) {
        menuButton_->setPosition(24, 13);
    }
    if (skipButton_) {
        skipButton_->setPosition(1000 - skipButton_->width(), 13);
    }
}

void MiniGameBase::drawPicture(Graphics& graphics, const GLTexture* picture) {
    if (picture) {
        graphics.drawTexture(0, 0, picture, Color(255, 255, 255, 255));
    }
}

std::string MiniGameBase::pictureExtension() {
    return GameParameters::instance().stringValue("Game.Images.Extension", ".png");
}

const GLTexture* MiniGameBase::loadPicture(const std::string& path) {
    // Keys of their own: the puzzle's pictures live and reload with the
    // screen's other resources.
    const std::string key = "MG_PICTURE_" + std::to_string(pictures_++);
    // A picture with words or letters painted in may have the language's own
    // beside it ("BgDE.png").
    const std::string file =
        language_choice::localisedFile(path, AppConfig::instance().activeLanguage());
    return resources().addTexture(key, std::make_unique<GLTexture>(file));
}

const TiXmlElement* MiniGameBase::readPuzzleFile(TiXmlDocument& document, const std::string& path,
                                                 const char* elementName) {
    std::string error;
    if (!xml::loadFile(document, path, error)) {
        engineLog() << "Puzzle \"" << path << "\": " << error
                    << "; the puzzle has no pieces and can be skipped\n";
        return nullptr;
    }
    const TiXmlElement* root = document.RootElement();
    const TiXmlElement* found = nullptr;
    if (root && root->ValueStr() == elementName) {
        found = root;
    } else if (root) {
        found = root->FirstChildElement(elementName);
    }
    if (!found) {
        engineLog() << "Puzzle \"" << path << "\": no " << elementName
                    << " element; the puzzle has no pieces and can be skipped\n";
    }
    return found;
}

PlayerMove MiniGameBase::suggestMove() {
    return leaveMove();
}

PlayerMove MiniGameBase::leaveMove() {
    if (phase() != Shown) {
        return PlayerMove::wait();
    }
    PlayerMove move;
    if (dialogMove(move, 0)) {
        return move;
    }
    return clickOn(skipButton_, "SKIP");
}
