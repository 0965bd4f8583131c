#include "engine/ui/MessageDialogSimple.h"

#include "engine/app/AppConfig.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/graphics/Utf8Text.h"
#include "engine/ui/AnimationPlayer.h"
#include "engine/ui/ScreenBase.h"
#include "engine/ui/SimpleImageButton.h"
#include "engine/ui/WidgetManager.h"

namespace {

constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;

} // namespace

MessageDialogSimple::MessageDialogSimple(const MessageDialogDesc& desc,
                                         MessageDialogSimpleListener* listener, int dialogId)
    : Widget(WidgetRect(0, 0, 0, kWindowWidth, kWindowHeight)), desc_(desc),
      message_(desc.messageText), listener_(listener), dialogId_(dialogId) {
    if (desc_.preWrap && desc_.textRect.width > 0 && desc_.textFont) {
        message_ = desc_.textFont->wrapWords(message_, desc_.textRect.width);
        wrapWhenDrawn_ = false;
    } else {
        wrapWhenDrawn_ = desc_.preWrap;
    }
    player_ = std::make_unique<AnimationPlayer>(this);
    player_->load(OpenAnimationId, desc_.openAnimationFile);
    player_->load(CloseAnimationId, desc_.closeAnimationFile);
}

MessageDialogSimple::MessageDialogSimple(const MessageDialogDesc& desc)
    : MessageDialogSimple(desc, nullptr, -1) {}

MessageDialogSimple::~MessageDialogSimple() {
    // Buttons still in a manager must leave it before they are deleted.
    hideButton(button_.get());
}

std::string MessageDialogSimple::displayedTitle(const std::string& title) {
    return utf8UpperCase(title);
}

ScreenBase* MessageDialogSimple::screen() const {
    return screen_ ? screen_ : (manager() ? manager()->screen() : nullptr);
}

void MessageDialogSimple::onAttach() {
    screen_ = manager() ? manager()->screen() : nullptr;
    if (!player_->play(OpenAnimationId, AnimationDepth, desc_.dialogX, desc_.dialogY, screen_)) {
        // Without its opening the dialog shows its content at once.
        createButtons();
    }
}

void MessageDialogSimple::onDetach() {
    if (!player_) {
        return;
    }
    for (int id : {OpenAnimationId, CloseAnimationId}) {
        player_->stop(id);
        player_->remove(id, screen_);
    }
}

void MessageDialogSimple::render(Graphics& graphics, ScreenBase*) {
    const AppConfig& config = AppConfig::instance();
    const int width = config.width() > 0 ? config.width() : kWindowWidth;
    const int height = config.height() > 0 ? config.height() : kWindowHeight;
    graphics.fillRect(0, 0, width, height, desc_.dimColour);
    if (manager()) {
        manager()->requestOverlay(this, OverlayPriority);
    }
}

void MessageDialogSimple::renderOverlay(Graphics& graphics, ScreenBase*) {
    if (!contentVisible_ || !desc_.textFont) {
        return;
    }
    const int dx = desc_.dialogX;
    const int dy = desc_.dialogY;
    if (desc_.iconTexture) {
        graphics.drawTexture(dx + 354, dy - 79, desc_.iconTexture, Color());
    }
    if (desc_.textRect.width == -1) {
        desc_.textFont->drawText(graphics, dx + 100, dy + 100, message_, desc_.textColour);
    } else {
        WidgetRect box = desc_.textRect;
        box.x += dx;
        box.y += dy;
        desc_.textFont->drawTextBox(graphics, box, message_, desc_.textColour, desc_.textAlign,
                                    Font::AlignMiddle, wrapWhenDrawn_);
    }
    if (!desc_.titleText.empty()) {
        const Font* titleFont = desc_.titleFont ? desc_.titleFont : desc_.textFont;
        titleFont->drawText(graphics, dx + desc_.titleX, dy + desc_.titleY,
                            utf8UpperCase(desc_.titleText), desc_.titleColour);
    }
}

std::unique_ptr<SimpleImageButton>
MessageDialogSimple::makeButton(int id, int x, int y, const GLTexture* normal,
                                const GLTexture* over, const GLTexture* icon,
                                const std::string& label, bool labelled) {
    const int w = normal ? normal->imageWidth() : 0;
    const int h = normal ? normal->imageHeight() : 0;
    std::unique_ptr<SimpleImageButton> button;
    if (labelled) {
        button = std::make_unique<SimpleImageButton>(this, x, y, w, h, normal, over, icon, id,
                                                     desc_.buttonFont, label);
        button->setTextColors(desc_.buttonTextColour, desc_.buttonTextOverColour,
                              desc_.buttonTextOverColour);
    } else {
        button = std::make_unique<SimpleImageButton>(this, x, y, w, h, normal, over, icon, id);
    }
    button->setSounds(desc_.pressSound, desc_.overSound);
    button->setIconPosition(15, 6);
    return button;
}

void MessageDialogSimple::showButton(SimpleImageButton* button) {
    if (button && manager() && !manager()->contains(button)) {
        manager()->addWidget(button);
    }
}

void MessageDialogSimple::hideButton(SimpleImageButton* button) {
    if (button && button->manager() && button->manager()->contains(button)) {
        button->manager()->removeWidget(button);
    }
}

PlayerMove MessageDialogSimple::suggestAnswer(int) const {
    ScreenBase* owner = screen();
    return owner && contentVisible_ ? owner->clickOn(button_.get(), "OK") : PlayerMove::wait();
}

void MessageDialogSimple::createButtons() {
    const GLTexture* normal = desc_.buttonTexture;
    int x = desc_.firstButtonX;
    int y = desc_.firstButtonY;
    if (x < 0 || y < 0) {
        const int w = normal ? normal->imageWidth() : 0;
        x = (kWindowWidth - desc_.dialogX) / 2 + 45 + (desc_.dialogX - w) / 2;
        y = (kWindowHeight - desc_.dialogY) / 2 + desc_.dialogY - 40;
    }
    button_ =
        makeButton(AnswerButtonId, x, y, normal, desc_.buttonOverTexture, desc_.firstButtonIcon,
                   desc_.firstButtonLabel, desc_.buttonFont != nullptr);
    showButton(button_.get());
    contentVisible_ = true;
}

void MessageDialogSimple::buttonEvent(int id, int code) {
    if (code != ButtonClicked || id != AnswerButtonId) {
        return;
    }
    result_ = 1;
    if (!closeDialog()) {
        removeSelf();
    }
}

bool MessageDialogSimple::playClosing(int zOffset) {
    if (!player_) {
        return false;
    }
    player_->stop(OpenAnimationId);
    player_->remove(OpenAnimationId, screen_);
    hideButton(button_.get());
    contentVisible_ = false;
    if (!player_->play(CloseAnimationId, zOffset, desc_.dialogX, desc_.dialogY, screen_)) {
        // Nothing to play: the dialog has closed.
        closed();
    }
    return true;
}

bool MessageDialogSimple::closeDialog() {
    return playClosing(AnimationDepth);
}

void MessageDialogSimple::removeSelf() {
    if (ScreenBase* owner = screen()) {
        owner->safeRemoveWidget(this);
    }
}

void MessageDialogSimple::closed() {
    if (listener_) {
        listener_->onDialogClosed(dialogId_, result_);
    }
    removeSelf();
}

void MessageDialogSimple::animationFinished(int id) {
    if (id == OpenAnimationId) {
        createButtons();
    } else if (id == CloseAnimationId) {
        closed();
    }
}
