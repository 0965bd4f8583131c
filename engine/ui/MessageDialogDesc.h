#pragma once

#include "engine/graphics/Types.h"

#include <string>

class Font;
class GLTexture;
class Sound;

// Everything a message or question dialog shows, filled by the caller (texts
// already in the player's language) and copied by the dialog.
struct MessageDialogDesc {
    std::string openAnimationFile;
    std::string closeAnimationFile;
    std::string messageText;
    std::string titleText;
    std::string firstButtonLabel;
    std::string secondButtonLabel;
    int textAlign = 0;
    const Font* textFont = nullptr;
    // None: the text font.
    const Font* titleFont = nullptr;
    // Relative to the dialog's origin; a width of -1 means no rectangle.
    WidgetRect textRect{-1, -1, 0, -1, -1};
    int dialogX = -1;
    int dialogY = -1;
    // Negative values ask for the default positions.
    int firstButtonX = -1;
    int firstButtonY = -1;
    int secondButtonX = -1;
    int secondButtonY = -1;
    int titleX = 150;
    int titleY = 37;
    int windowWidth = -1;
    int windowHeight = -1;
    int layoutWidth = 1024;
    const GLTexture* iconTexture = nullptr;
    Sound* pressSound = nullptr;
    Sound* overSound = nullptr;
    const GLTexture* firstButtonIcon = nullptr;
    const GLTexture* secondButtonIcon = nullptr;
    const GLTexture* buttonTexture = nullptr;
    const GLTexture* buttonOverTexture = nullptr;
    const GLTexture* yesTexture = nullptr;
    const GLTexture* yesOverTexture = nullptr;
    const GLTexture* noTexture = nullptr;
    const GLTexture* noOverTexture = nullptr;
    // With a font the buttons carry their labels.
    const Font* buttonFont = nullptr;
    Color textColour{255, 255, 255, 255};
    Color titleColour{255, 255, 255, 255};
    Color buttonTextColour{255, 255, 255, 255};
    Color buttonTextOverColour{255, 255, 255, 255};
    Color dimColour{0, 0, 0, 128};
    bool preWrap = true;
    bool hideFirstButton = false;
    bool hideSecondButton = false;
};

// Told when a message dialog has closed: its id and its result (1 answered).
class MessageDialogSimpleListener {
public:
    virtual ~MessageDialogSimpleListener() = default;
    virtual void onDialogClosed(int dialogId, int result) = 0;
};

// Told the answer of a question dialog: 1 yes, 0 no.
class MessageQuestionDialogListener {
public:
    virtual ~MessageQuestionDialogListener() = default;
    virtual void onQuestionAnswered(int dialogId, int answer) = 0;
};
