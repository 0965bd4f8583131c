#include "game/menus/PlayerNameEntry.h"

#include "engine/anim/AnimationPlayer.h"
#include "engine/app/AppConfig.h"
#include "engine/app/GameApp.h"
#include "engine/app/Log.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/ResourceManager.h"
#include "engine/ui/BlinkingVertCursor.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "engine/ui/TextLabelEx.h"
#include "engine/ui/WidgetManager.h"
#include "game/MyApp.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/ResourceTables.h"
#include "game/menus/GameDialogs.h"

#include <SDL.h>

namespace {

constexpr int kFrameWidth = 440;
constexpr int kFrameHeight = 280;
// The writing field painted into the frame picture.
constexpr int kFieldX = 50;
constexpr int kFieldY = 128;
constexpr int kFieldWidth = 340;
constexpr int kFieldHeight = 40;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

PlayerNameEntry::PlayerNameEntry(std::string& name)
    : ScreenBase("PlayerNameEntry"), name_(name), initialName_(name),
      player_(std::make_unique<AnimationPlayer>(this)) {}

PlayerNameEntry::~PlayerNameEntry() = default;

int PlayerNameEntry::maxNameLength() {
    const MyApp* app = MyApp::instance();
    const int length =
        app ? app->intParameter("PlayerName.Length", DefaultMaxLength) : DefaultMaxLength;
    return length > 0 ? length : DefaultMaxLength;
}

void PlayerNameEntry::onStart() {
    resource_tables::registerProfilesMenuTextures(resources());
    player_->load(Opening, OpenAnimation);
    player_->load(Closing, CloseAnimation);
}

int PlayerNameEntry::frameX() const {
    const GLTexture* frame = resources().getTexture("PROF_BG_NAME_INPUT");
    const int width = frame && frame->imageWidth() > 0 ? frame->imageWidth() : kFrameWidth;
    return (AppConfig::instance().width() - width) / 2;
}

int PlayerNameEntry::frameY() const {
    const GLTexture* frame = resources().getTexture("PROF_BG_NAME_INPUT");
    const int height = frame && frame->imageHeight() > 0 ? frame->imageHeight() : kFrameHeight;
    return (AppConfig::instance().height() - height) / 2;
}

void PlayerNameEntry::onShown() {
    if (!player_->play(Opening, 0, frameX(), frameY(), this)) {
        animationFinished(Opening);
    }
}

void PlayerNameEntry::animationFinished(int id) {
    if (id == Opening) {
        player_->remove(Opening, this);
        frameShown_ = true;
        buildWidgets();
        engineLog() << "Name entry open\n";
    } else if (id == Closing) {
        player_->remove(Closing, this);
        close(pendingExit_);
    }
}

void PlayerNameEntry::buildWidgets() {
    const int x = frameX();
    const int y = frameY();
    auto title = std::make_unique<TextLabel>(applicationLabel("NEW_PLAYER"),
                                             applicationFont("FONT_CheltenhamBT28"),
                                             TextLabel::CentredHorizontally, parchmentTitle());
    title->setBounds(x, y + 22, kFrameWidth, 36);
    widgets_.push_back(addWidget(std::move(title)));
    auto description =
        std::make_unique<TextLabelEx>(applicationLabel("NAME_INPUT_DESCRIPTION"),
                                      applicationFont("FONT_CheltenhamBT20"), parchmentInk());
    description->setBounds(x + 40, y + 74, kFrameWidth - 80, 50);
    widgets_.push_back(addWidget(std::move(description)));

    // The prompt shows in the empty field; typing replaces it at once.
    auto prompt = std::make_unique<TextLabel>(applicationLabel("ENTER_YOUR_NAME"),
                                              applicationFont("FONT_CheltenhamBT22"),
                                              TextLabel::Centred, Color(150, 128, 104));
    prompt->setBounds(x + kFieldX, y + kFieldY, kFieldWidth, kFieldHeight);
    prompt_ = addWidget(std::move(prompt));
    widgets_.push_back(prompt_);

    auto input = std::make_unique<TextInputWidget>(name_, this, maxNameLength(), false);
    input->setFont(applicationFont("FONT_CheltenhamBT22"));
    input->setBoxColour(Color(0, 0, 0, 0));
    input->setTextColour(parchmentInk());
    input->setAlign(TextInputWidget::AlignCentre);
    input->setTextPosition(0, 7);
    input->setCursor(std::make_unique<BlinkingVertCursor>(parchmentTitle(), 500, 2));
    input->setActivateOnFocus(true);
    input->setBounds(x + kFieldX, y + kFieldY, kFieldWidth, kFieldHeight);
    input_ = addWidget(std::move(input));
    widgets_.push_back(input_);
    widgetManager().setFocus(input_);
    input_->setActive(true);

    const ButtonStyle style = parchmentButtonStyle(resources().getTexture("PROF_BTN_BASE"));
    ok_ = addWidget(makeQuillButton(this, OkButton, style, applicationLabel("OK")));
    ok_->setBounds(x + 60, y + 190, 128, 64);
    cancel_ = addWidget(makeQuillButton(this, CancelButton, style, applicationLabel("CANCEL")));
    cancel_->setBounds(x + kFrameWidth - 60 - 128, y + 190, 128, 64);
    widgets_.push_back(ok_);
    widgets_.push_back(cancel_);
    updateState();
}

void PlayerNameEntry::removeWidgets() {
    if (widgetManager().focused() == input_) {
        widgetManager().setFocus(nullptr);
    }
    for (Widget* widget : widgets_) {
        safeRemoveWidget(widget);
    }
    widgets_.clear();
    input_ = nullptr;
    prompt_ = nullptr;
    ok_ = nullptr;
    cancel_ = nullptr;
}

void PlayerNameEntry::updateState() {
    if (!input_) {
        return;
    }
    const bool empty = trimmed(input_->text()).empty();
    prompt_->setVisible(input_->text().empty());
    ok_->setEnabled(!empty);
}

void PlayerNameEntry::onTextChanged(const std::string& text, int) {
    reportedText_ = text;
    updateState();
}

bool PlayerNameEntry::isAcceptable(const std::string& name) const {
    const std::string candidate = trimmed(name);
    if (candidate.empty() || candidate == applicationLabel("ENTER_YOUR_NAME")) {
        return false;
    }
    if (!initialName_.empty() && candidate == initialName_) {
        return true; // renamed to itself: nothing changes
    }
    const PlayerProfiles& profiles = PlayerProfiles::instance();
    for (int i = 0; i < profiles.profileCount(); ++i) {
        if (profiles.profileAt(i)->name == candidate) {
            return false;
        }
    }
    return true;
}

void PlayerNameEntry::accept() {
    if (!input_ || !ok_->isEnabled() || !isAcceptable(input_->text())) {
        return;
    }
    name_ = trimmed(input_->text());
    leave(Accepted);
}

void PlayerNameEntry::leave(int exitCode) {
    removeWidgets();
    frameShown_ = false;
    pendingExit_ = exitCode;
    if (!player_->play(Closing, 0, frameX(), frameY(), this)) {
        close(exitCode);
    }
}

void PlayerNameEntry::buttonEvent(int id, int code) {
    if (code != ButtonClicked) {
        return;
    }
    if (id == OkButton) {
        accept();
    } else if (id == CancelButton && input_) {
        leave(Cancelled);
    }
}

void PlayerNameEntry::onKeyEvent(const KeyEvent& event) {
    if (!input_) {
        ScreenBase::onKeyEvent(event);
        return;
    }
    if (event.type == KeyEvent::KeyDown) {
        if (event.key == SDLK_RETURN || event.key == SDLK_KP_ENTER) {
            accept();
            return;
        }
        if (event.key == SDLK_ESCAPE) {
            leave(Cancelled);
            return;
        }
    }
    // Every other key writes in the field, even after a click elsewhere
    // (on a refused OK, say) took the focus away.
    if (!input_->isActive()) {
        input_->setActive(true);
    }
    input_->keyEvent(event);
}

void PlayerNameEntry::drawBackground(Graphics& graphics) {
    const AppConfig& config = AppConfig::instance();
    graphics.fillRect(0, 0, config.width(), config.height(), Color(0, 0, 0, 150));
    if (frameShown_) {
        graphics.drawTexture(frameX(), frameY(), resources().getTexture("PROF_BG_NAME_INPUT"),
                             Color());
    }
}

void PlayerNameEntry::onClosed(int) {
    if (GameApp* app = GameApp::instance()) {
        app->popScreen();
    }
}
