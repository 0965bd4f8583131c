#include "game/menus/PlayerNameEntry.h"

#include "engine/app/AppConfig.h"
#include "engine/app/ConfigFile.h"
#include "engine/app/GameApp.h"
#include "engine/core/Log.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/Utf8Text.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/BlinkingVertCursor.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "engine/ui/TextLabelEx.h"
#include "engine/ui/WidgetManager.h"
#include "game/GameDialogs.h"
#include "game/GameParameters.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/ResourceTables.h"
#include "game/menus/PlayerProfilesMenu.h"

#include <SDL.h>

namespace {

constexpr int kFrameWidth = 440;
constexpr int kFrameHeight = 280;
// The writing field painted into the frame picture.
constexpr int kFieldX = 50;
constexpr int kFieldY = 128;
constexpr int kFieldWidth = 340;
constexpr int kFieldHeight = 40;
// Where the text starts inside the field; the prompt starts there too, so the
// cursor stands at its beginning.
constexpr int kTextX = 12;
constexpr int kTextY = 7;

} // namespace

PlayerNameEntry::PlayerNameEntry(std::string& name)
    : DialogScreen("PlayerNameEntry", {"PROF_BG_NAME_INPUT", kFrameWidth, kFrameHeight, 150,
                                       OpenAnimation, CloseAnimation}),
      name_(name), initialName_(name) {}

int PlayerNameEntry::maxNameLength() {
    const int length = GameParameters::instance().intValue("PlayerName.Length", DefaultMaxLength);
    return length > 0 ? length : DefaultMaxLength;
}

void PlayerNameEntry::onStart() {
    resource_tables::registerProfilesMenuTextures(resources());
    loadAnimations();
}

void PlayerNameEntry::onShown() {
    playOpening();
}

void PlayerNameEntry::buildWidgets() {
    const int x = frameX();
    const int y = frameY();
    auto title = std::make_unique<TextLabel>(applicationLabel("NEW_PLAYER"),
                                             applicationFont("FONT_CheltenhamBT28"),
                                             TextLabel::CentredHorizontally, parchmentTitle());
    title->setBounds(x, y + 22, kFrameWidth, 36);
    addDialogWidget(std::move(title));
    auto description =
        std::make_unique<TextLabelEx>(applicationLabel("NAME_INPUT_DESCRIPTION"),
                                      applicationFont("FONT_CheltenhamBT20"), parchmentInk());
    description->setBounds(x + 40, y + 74, kFrameWidth - 80, 50);
    addDialogWidget(std::move(description));

    // The prompt shows in the empty field; typing replaces it at once.
    auto prompt = std::make_unique<TextLabel>(applicationLabel("ENTER_YOUR_NAME"),
                                              applicationFont("FONT_CheltenhamBT22"),
                                              TextLabel::TopLeft, Color(150, 128, 104));
    prompt->setBounds(x + kFieldX + kTextX, y + kFieldY + kTextY, kFieldWidth - kTextX,
                      kFieldHeight - kTextY);
    prompt_ = addDialogWidget(std::move(prompt));

    auto input = std::make_unique<TextInputWidget>(name_, this, maxNameLength(), false);
    input->setFont(applicationFont("FONT_CheltenhamBT22"));
    input->setCharacterFilter([this](std::uint32_t code) { return takesCharacter(code); });
    input->setBoxColour(Color(0, 0, 0, 0));
    input->setTextColour(parchmentInk());
    input->setAlign(TextInputWidget::AlignLeft);
    input->setTextPosition(kTextX, kTextY);
    input->setCursor(std::make_unique<BlinkingVertCursor>(parchmentTitle(), 500, 2));
    input->setActivateOnFocus(true);
    input->setBounds(x + kFieldX, y + kFieldY, kFieldWidth, kFieldHeight);
    input_ = addDialogWidget(std::move(input));
    widgetManager().setFocus(input_);
    input_->setActive(true);

    const GLTexture* base = resources().getTexture("PROF_BTN_BASE");
    ok_ = addDialogWidget(makeParchmentButton(this, OkButton, base, applicationLabel("OK")));
    ok_->setBounds(x + 60, y + 190, 128, 64);
    cancel_ =
        addDialogWidget(makeParchmentButton(this, CancelButton, base, applicationLabel("CANCEL")));
    cancel_->setBounds(x + kFrameWidth - 60 - 128, y + 190, 128, 64);
    updateState();
    engineLog() << "Name entry open\n";
}

void PlayerNameEntry::onWidgetsRemoved() {
    if (widgetManager().focused() == input_) {
        widgetManager().setFocus(nullptr);
    }
    input_ = nullptr;
    prompt_ = nullptr;
    ok_ = nullptr;
    cancel_ = nullptr;
}

void PlayerNameEntry::updateState() {
    if (!input_) {
        return;
    }
    const bool empty = ConfigFile::trim(input_->text()).empty();
    prompt_->setVisible(input_->text().empty());
    ok_->setEnabled(!empty);
}

void PlayerNameEntry::onTextChanged(const std::string& text, int) {
    reportedText_ = text;
    updateState();
}

bool PlayerNameEntry::takesCharacter(std::uint32_t code) const {
    const Font* field = input_ ? input_->font() : nullptr;
    const Font* list = applicationFont(PlayerProfilesMenu::ListFont);
    if (!TextInputWidget::isPrintable(code) || (field && !field->canDraw(code)) ||
        (list && !list->canDraw(code))) {
        return false;
    }
    if (!list || !input_) {
        return true;
    }
    std::string longer = input_->text();
    appendUtf8(longer, code);
    return list->textWidth(longer) <= SimpleTextListWidget::ListWidth;
}

std::string PlayerNameEntry::autoplayName() const {
    std::string name = "Autoplayer";
    for (int n = 2; !isAcceptable(name) && n < 1000; ++n) {
        name = "Autoplayer " + std::to_string(n);
    }
    return name;
}

PlayerMove PlayerNameEntry::suggestMove() {
    if (phase() != Shown || isClosing() || !input_ || !ok_) {
        return PlayerMove::wait();
    }
    const std::string& text = input_->text();
    if (text.empty()) {
        return PlayerMove::type(autoplayName());
    }
    if (!isAcceptable(text)) {
        return PlayerMove::press(SDLK_BACKSPACE, "Backspace");
    }
    return clickOn(ok_, "OK");
}

bool PlayerNameEntry::isAcceptable(const std::string& name) const {
    const std::string candidate = ConfigFile::trim(name);
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
    name_ = ConfigFile::trim(input_->text());
    playClosing(Accepted);
}

void PlayerNameEntry::buttonEvent(int id, int code) {
    if (code != ButtonClicked) {
        return;
    }
    if (id == OkButton) {
        accept();
    } else if (id == CancelButton && input_) {
        playClosing(Cancelled);
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
            playClosing(Cancelled);
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
