#include "game/GameDialogs.h"

#include "engine/graphics/Font.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/MessageDialogSimple.h"
#include "engine/ui/QuillButton.h"

namespace {
constexpr int kWindowWidth = 359;
constexpr int kWindowHeight = 257;
constexpr int kButtonWidth = 128;
// The cream plate inside the button picture, less a margin at both ends.
constexpr int kButtonTextWidth = 96;
const Color kInk(62, 36, 30);
const Color kBurgundy(122, 32, 48);
} // namespace

MessageDialogDesc parchmentDialogDesc(const std::string& title, const std::string& message,
                                      const std::string& firstLabel, const std::string& secondLabel,
                                      int offsetX, int offsetY) {
    MessageDialogDesc desc;
    desc.openAnimationFile = "content/animations/UniversalDialog/MessageDialogStart.xml";
    desc.closeAnimationFile = "content/animations/UniversalDialog/MessageDialogClose.xml";
    desc.titleText = title;
    desc.messageText = message;
    desc.firstButtonLabel = firstLabel;
    desc.secondButtonLabel = secondLabel;
    desc.textFont = applicationFont("FONT_CheltenhamBT20");
    desc.titleFont = applicationFont("FONT_CheltenhamBT28");
    // Both answers in one serif: the smaller one when either needs it.
    desc.buttonFont = parchmentButtonFont(firstLabel);
    if (parchmentButtonFont(secondLabel) != desc.buttonFont) {
        desc.buttonFont = applicationFont("FONT_CheltenhamBT16");
    }
    desc.textAlign = Font::AlignCenter;
    desc.textRect = WidgetRect(30, 64, 0, 299, 110);
    desc.windowWidth = kWindowWidth;
    desc.windowHeight = kWindowHeight;
    desc.dialogX = (1024 - kWindowWidth) / 2 - offsetX;
    desc.dialogY = (768 - kWindowHeight) / 2 - offsetY;
    desc.titleX = desc.titleFont
                      ? (kWindowWidth -
                         desc.titleFont->textWidth(MessageDialogSimple::displayedTitle(title))) /
                            2
                      : 40;
    desc.titleY = 24;
    desc.buttonTexture = applicationTexture("GTEX_BTN_BASE");
    desc.buttonOverTexture = desc.buttonTexture;
    // A lone answer stands in the middle; two stand at the sides.
    desc.firstButtonX = secondLabel.empty() ? desc.dialogX + (kWindowWidth - kButtonWidth) / 2
                                            : desc.dialogX + 40;
    desc.firstButtonY = desc.dialogY + 178;
    desc.secondButtonX = desc.dialogX + kWindowWidth - 40 - kButtonWidth;
    desc.secondButtonY = desc.firstButtonY;
    desc.textColour = kInk;
    desc.titleColour = kBurgundy;
    desc.buttonTextColour = kInk;
    desc.buttonTextOverColour = kBurgundy;
    return desc;
}

Color parchmentInk() {
    return kInk;
}

Color parchmentTitle() {
    return kBurgundy;
}

const Font* parchmentButtonFont(const std::string& label) {
    const Font* usual = applicationFont("FONT_CheltenhamBT20");
    if (usual && usual->textWidth(label) > kButtonTextWidth) {
        if (const Font* smaller = applicationFont("FONT_CheltenhamBT16")) {
            return smaller;
        }
    }
    return usual;
}

std::unique_ptr<QuillButton> makeParchmentButton(QuillButtonListener* listener, int id,
                                                 const GLTexture* base, const std::string& label) {
    return makeQuillButton(listener, id, parchmentButtonStyle(base, label), label);
}

ButtonStyle parchmentButtonStyle(const GLTexture* base, const std::string& label) {
    ButtonStyle style;
    style.fadeTime = 150;
    style.hAlign = Font::AlignCenter;
    style.vAlign = Font::AlignMiddle;
    style.labelRect = WidgetRect(0, -4, 0, kButtonWidth, 64);
    const Color inks[4] = {kInk, kBurgundy, Color(40, 20, 16), Color(120, 110, 100)};
    for (std::size_t i = 0; i < 4; ++i) {
        style.looks[i].texture = base;
        style.looks[i].font = parchmentButtonFont(label);
        style.looks[i].labelColor = inks[i];
    }
    style.looks[ButtonStyle::Over].color = Color(255, 236, 200);
    style.looks[ButtonStyle::Disabled].color = Color(200, 190, 180, 150);
    return style;
}
