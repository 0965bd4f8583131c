#pragma once

#include "engine/ui/MessageDialogSimple.h"

// A message with two answers: yes (1) and no (0).
class MessageQuestionDialogSimple : public MessageDialogSimple {
public:
    static constexpr int YesButtonId = 1;
    static constexpr int NoButtonId = 0;

    MessageQuestionDialogSimple(const MessageDialogDesc& desc,
                                MessageQuestionDialogListener* listener);
    ~MessageQuestionDialogSimple() override;

    void buttonEvent(int id, int code) override;
    bool closeDialog() override;
    void createButtons() override;
    // YesButtonId or NoButtonId.
    PlayerMove suggestAnswer(int answer) const override;

    int answer() const { return answer_; }
    SimpleImageButton* yesButton() const { return yes_.get(); }
    SimpleImageButton* noButton() const { return no_.get(); }

protected:
    void closed() override;

private:
    std::unique_ptr<SimpleImageButton> makeAnswer(int id, int x, int y, const GLTexture* picture,
                                                  const GLTexture* over, const GLTexture* icon,
                                                  const std::string& label);

    int answer_ = -1;
    MessageQuestionDialogListener* questionListener_;
    std::unique_ptr<SimpleImageButton> yes_;
    std::unique_ptr<SimpleImageButton> no_;
};
