#include "game/menus/GlobalGamePauseScreen.h"

#include "engine/app/GameApp.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"
#include "engine/persist/LabelManager.h"
#include "engine/resources/ResourceManager.h"

void GlobalGamePauseScreen::drawForeground(Graphics& graphics) {
    graphics.fillRect(0, 0, 1024, 768, Color(0, 0, 0, 200));
    GameApp* app = GameApp::instance();
    const Font* font = app ? app->getResources().getFont("FONT_PH_BIG") : nullptr;
    if (font) {
        font->drawTextBox(graphics, WidgetRect(0, 0, 0, 1024, 768),
                          app->getLabels().getText("PAUSE"), Color(255, 255, 255, 255),
                          Font::AlignCenter, Font::AlignMiddle, false);
    }
}
