#include "engine/ui/MessageQuestionDialogSimple.h"

#include "engine/graphics/GLTexture.h"
#include "engine/ui/ScreenBase.h"
#include "engine/ui/SimpleImageButton.h"

namespace {
constexpr int kWindowHeight = 768;
}

MessageQuestionDialogSimple::MessageQuestionDialogSimple(const MessageDialogDesc& desc,
                                                         MessageQuestionDialogListener* listener)
    : MessageDialogSimple(desc, nullptr, -1), questionListener_(listener) {}

MessageQuestionDialogSimple::~MessageQuestionDialogSimple() {
    hideButton(yes_.get());
    hideButton(no_.get());
}

std::unique_ptr<SimpleImageButton>
MessageQuestionDialogSimple::makeAnswer(int id, int x, int y, const GLTexture* picture,
                                        const GLTexture* over, const GLTexture* icon,
                                        const std::string& label) {
    // Its own pair of pictures replaces the label and icon.
    if (picture && over) {
        return makeButton(id, x, y, picture, over, nullptr, "", false);
    }
    return makeButton(id, x, y, desc_.buttonTexture, desc_.buttonOverTexture, icon, label,
                      desc_.buttonFont != nullptr);
}

void MessageQuestionDialogSimple::createButtons() {
    const int w = desc_.buttonTexture ? desc_.buttonTexture->imageWidth() : 0;
    const int centre = (desc_.layoutWidth - desc_.dialogX) / 2 + 45 + (desc_.dialogX - w) / 2;
    const int defaultY = (kWindowHeight - desc_.dialogY) / 2 + desc_.dialogY - 40;
    if (!desc_.hideFirstButton) {
        const bool fixed = desc_.firstButtonX >= 0 && desc_.firstButtonY >= 0;
        yes_ = makeAnswer(YesButtonId, fixed ? desc_.firstButtonX : centre - w / 2 - 40,
                          fixed ? desc_.firstButtonY : defaultY, desc_.yesTexture,
                          desc_.yesOverTexture, desc_.firstButtonIcon, desc_.firstButtonLabel);
        showButton(yes_.get());
    }
    if (!desc_.hideSecondButton) {
        const bool fixed = desc_.secondButtonX >= 0 && desc_.secondButtonY >= 0;
        no_ = makeAnswer(NoButtonId, fixed ? desc_.secondButtonX : centre + w / 2,
                         fixed ? desc_.secondButtonY : defaultY, desc_.noTexture,
                         desc_.noOverTexture, desc_.secondButtonIcon, desc_.secondButtonLabel);
        showButton(no_.get());
    }
    contentVisible_ = true;
}

void MessageQuestionDialogSimple::buttonEvent(int id, int code) {
    if (code != ButtonClicked || (id != YesButtonId && id != NoButtonId)) {
        return;
    }
    answer_ = id == YesButtonId ? 1 : 0;
    if (!closeDialog()) {
        removeSelf();
    }
}

PlayerMove MessageQuestionDialogSimple::suggestAnswer(int answer) const {
    ScreenBase* owner = screen();
    if (!owner || !contentVisible_) {
        return PlayerMove::wait();
    }
    return answer == YesButtonId ? owner->clickOn(yes_.get(), "yes")
                                 : owner->clickOn(no_.get(), "no");
}

bool MessageQuestionDialogSimple::closeDialog() {
    hideButton(yes_.get());
    hideButton(no_.get());
    return playClosing(0);
}

void MessageQuestionDialogSimple::closed() {
    removeSelf();
    if (questionListener_) {
        questionListener_->onQuestionAnswered(dialogId(), answer_);
    }
}
