#include "game/menus/PlaceholderScreen.h"

#include "engine/app/GameApp.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/ResourceManager.h"
#include "engine/persist/LabelManager.h"
#include "engine/ui/MessageDialogSimple.h"

PlaceholderScreen::PlaceholderScreen(std::string title, std::string message,
                                     std::function<void()> onDone)
    : ScreenBase("PlaceholderScreen"), title_(std::move(title)), message_(std::move(message)),
      onDone_(std::move(onDone)) {}

void PlaceholderScreen::onShown() {
    GameApp* app = GameApp::instance();
    ResourceManager* resources = app ? &app->getResources() : nullptr;
    MessageDialogDesc desc;
    desc.openAnimationFile = "content/animations/UniversalDialog/MessageDialogStart.xml";
    desc.closeAnimationFile = "content/animations/UniversalDialog/MessageDialogClose.xml";
    desc.messageText = message_;
    desc.titleText = title_;
    desc.firstButtonLabel = app ? app->getLabels().getText("OK") : "OK";
    desc.textFont = resources ? resources->getFont("FONT_CheltenhamBT20") : nullptr;
    desc.titleFont = resources ? resources->getFont("FONT_CheltenhamBT28") : nullptr;
    desc.buttonFont = desc.textFont;
    desc.textAlign = Font::AlignCenter;
    desc.textRect = WidgetRect(30, 64, 0, 299, 110);
    desc.dialogX = (1024 - 359) / 2 - offsetX();
    desc.dialogY = (768 - 257) / 2 - offsetY();
    desc.titleX =
        desc.titleFont
            ? (359 - desc.titleFont->textWidth(MessageDialogSimple::displayedTitle(title_))) / 2
            : 40;
    desc.titleY = 24;
    desc.buttonTexture = resources ? resources->getTexture("GTEX_BTN_BASE") : nullptr;
    desc.buttonOverTexture = desc.buttonTexture;
    desc.firstButtonX = desc.dialogX + (359 - 128) / 2;
    desc.firstButtonY = desc.dialogY + 178;
    desc.textColour = Color(62, 36, 30);
    desc.titleColour = Color(122, 32, 48);
    desc.buttonTextColour = Color(62, 36, 30);
    desc.buttonTextOverColour = Color(122, 32, 48);
    addWidget(std::make_unique<MessageDialogSimple>(desc, this, 0));
}

void PlaceholderScreen::onDialogClosed(int, int) {
    if (onDone_) {
        onDone_();
    }
    close(0);
}

void PlaceholderScreen::onClosed(int) {
    if (GameApp* app = GameApp::instance()) {
        app->popScreen();
    }
}
