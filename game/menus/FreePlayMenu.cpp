#include "game/menus/FreePlayMenu.h"

#include "engine/app/AppConfig.h"
#include "engine/app/FadeTransition.h"
#include "engine/app/GameApp.h"
#include "engine/audio/AudioEngine.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/persist/LabelManager.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/ClickableImageWidget.h"
#include "engine/ui/DefaultResources.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/TextLabel.h"
#include "engine/ui/WidgetManager.h"
#include "game/PlayerProfile.h"
#include "game/PlayerProfiles.h"
#include "game/ResourceTables.h"
#include "game/menus/MainMenu.h"

#include <tinyxml.h>

namespace {

const Color kWhite(255, 255, 255, 255);
const Color kBlack(0, 0, 0, 255);
constexpr int kRowY[] = {132, 400};
constexpr int kColumnX[] = {50, 410, 770};
constexpr int kNameOffsetY[] = {285, 554};

int gReplays = 0;

// A name is a label key; one the labels lack is shown as written.
std::string nameText(const std::string& name) {
    GameApp* app = GameApp::instance();
    return app && app->getLabels().hasText(name) ? app->getLabels().getText(name) : name;
}

ButtonStyle freePlayButtonStyle(const GLTexture* base) {
    ButtonStyle style;
    style.fadeTime = 10;
    style.hAlign = Font::AlignCenter;
    style.vAlign = Font::AlignMiddle;
    style.labelRect = WidgetRect(0, -4, 0, 128, 64);
    const Color labels[4] = {Color(0, 0, 0, 255), Color(64, 64, 64, 255), Color(255, 255, 255, 255),
                             Color(128, 128, 128, 255)};
    for (std::size_t i = 0; i < 4; ++i) {
        style.looks[i].texture = base;
        style.looks[i].font = applicationFont("FONT_CheltenhamBT20");
        style.looks[i].color = kWhite;
        style.looks[i].labelColor = labels[i];
    }
    return style;
}

} // namespace

FreePlayMenu::FreePlayMenu(std::string context)
    : ScreenBase("FreePlayMenu"), context_(std::move(context)) {
    setInTransition(std::make_unique<FadeInTransition>(500));
    setOutTransition(std::make_unique<FadeOutTransition>(500));
    // The replayed scene lies over the menu for minutes.
    releasePicturesWhenHidden();
}

FreePlayMenu::~FreePlayMenu() = default;

std::vector<const GameFlow::Entry*> FreePlayMenu::offeredScenes(const GameFlow& flow,
                                                                bool finished) {
    const std::vector<GameFlow::Entry>& entries = flow.entries();
    const std::size_t end =
        finished ? entries.size()
                 : std::min(entries.size(), std::size_t(std::max(0, flow.position())));
    std::vector<const GameFlow::Entry*> offered;
    for (std::size_t i = 0; i < end; ++i) {
        const GameFlow::Entry& entry = entries[i];
        if (entry.type != "ho_scene") {
            continue;
        }
        const std::string name = GameFlow::attribute(entry.attributes, "name");
        if (!offered.empty() && name == GameFlow::attribute(offered.back()->attributes, "name")) {
            continue;
        }
        offered.push_back(&entry);
    }
    return offered;
}

int FreePlayMenu::replaysThisRun() {
    return gReplays;
}

void FreePlayMenu::resetReplays() {
    gReplays = 0;
}

void FreePlayMenu::onStart() {
    resource_tables::registerFreeplayMenuTextures(resources());
}

void FreePlayMenu::readFile() {
    TiXmlDocument document;
    std::string error;
    if (!xml::loadFile(document, FilePath, error)) {
        engineLog() << "Free play menu: cannot read '" << FilePath << "': " << error
                    << "; every scene shows the empty picture\n";
        return;
    }
    const TiXmlElement* root = document.FirstChildElement("FreeplayMenu");
    if (!root) {
        engineLog() << "Free play menu: '" << FilePath
                    << "' has no FreeplayMenu element; every scene shows the empty picture\n";
        return;
    }
    const char* imagePath = root->Attribute("imagePath");
    const std::string folder = imagePath ? imagePath : "";
    if (const char* frame = root->Attribute("frameTexture")) {
        const std::string path = folder + frame;
        frame_ = resources().addTexture(path, std::make_unique<GLTexture>(path));
    }
    root->QueryIntAttribute("frameTextureOffsetX", &frameOffsetX_);
    root->QueryIntAttribute("frameTextureOffsetY", &frameOffsetY_);
    for (const TiXmlElement* e = root->FirstChildElement("Screen"); e;
         e = e->NextSiblingElement("Screen")) {
        const char* texture = e->Attribute("texture");
        const GLTexture* picture = nullptr;
        if (texture) {
            const std::string path = folder + texture;
            GLTexture* loaded = resources().getTexture(path);
            if (!loaded) {
                loaded = resources().addTexture(path, std::make_unique<GLTexture>(path));
            }
            // A picture that could not be read would leave a slot nobody can
            // click: the empty picture stands in, and the scene stays playable.
            if (loaded && loaded->imageWidth() > 0) {
                picture = loaded;
            }
        } else {
            engineLog() << "Free play menu: '" << FilePath << "', line " << e->Row()
                        << ": a Screen without a texture shows the empty picture\n";
        }
        thumbnails_.push_back(picture);
        const char* name = e->Attribute("name");
        sceneNames_.push_back(name ? name : "");
    }
}

void FreePlayMenu::createWidgets() {
    const PlayerProfile* profile = PlayerProfiles::instance().currentProfile();
    scenes_ = offeredScenes(GameFlow::instance(), profile && profile->finished);
    readFile();
    pageCount_ = std::max(1, int((scenes_.size() + SlotsPerPage - 1) / SlotsPerPage));
    currentPage_ = 1;

    const int screenWidth = AppConfig::instance().width();
    const int screenHeight = AppConfig::instance().height();
    const GLTexture* base = resources().getTexture("FREEPLAY_BTN_BASE");
    const int bw = base ? base->imageWidth() : 128;
    const int bh = base ? base->imageHeight() : 64;
    const ButtonStyle style = freePlayButtonStyle(base);
    auto makeButton = [&](int id, const char* label, int x) {
        auto button = makeQuillButton(this, id, style, applicationLabel(label));
        button->setBounds(x, screenHeight - bh - 16, bw, bh);
        return addWidget(std::move(button));
    };
    menuButton_ = makeButton(MenuId, "MENU", (screenWidth - bw) / 2);
    previousButton_ = makeButton(PreviousId, "PREVIOUS", 10);
    nextButton_ = makeButton(NextId, "NEXT", screenWidth - bw - 10);

    // Slots stand at fixed places on the background, centred in the game area.
    const GLTexture* background = resources().getTexture("FREEPLAY_BG");
    const bool sized = background && background->imageWidth() > 0;
    const int bgX = (screenWidth - (sized ? background->imageWidth() : 1024)) / 2;
    const int bgY = (screenHeight - (sized ? background->imageHeight() : 768)) / 2;
    const GLTexture* empty = resources().getTexture("FREEPLAY_EMPTY_TEXTURE");
    const Font* font = applicationFont("FONT_CheltenhamBT20");
    for (int i = 0; i < SlotsPerPage; ++i) {
        auto slot = std::make_unique<ClickableImageWidget>(empty);
        const int x = bgX + kColumnX[i % 3];
        slot->setBounds(x, bgY + kRowY[i / 3], SlotWidth, SlotHeight);
        slot->setPixelPrecise(true);
        slot->setListener(this);
        slot->setId(i + 1);
        slots_[std::size_t(i)] = addWidget(std::move(slot));
        auto name = std::make_unique<TextLabel>("", font, TextLabel::Centred, kWhite,
                                                Color(255, 255, 255, 0), kBlack);
        name->setBounds(x, bgY - frameOffsetY_ + kNameOffsetY[i / 3], SlotWidth,
                        font ? font->lineHeight() : 24);
        names_[std::size_t(i)] = addWidget(std::move(name));
    }
    fillPage();
    updatePageButtons();
    listControls();
}

void FreePlayMenu::fillPage() {
    const GLTexture* empty = resources().getTexture("FREEPLAY_EMPTY_TEXTURE");
    for (int i = 0; i < SlotsPerPage; ++i) {
        const std::size_t index = std::size_t((currentPage_ - 1) * SlotsPerPage + i);
        ClickableImageWidget* slot = slots_[std::size_t(i)];
        TextLabel* name = names_[std::size_t(i)];
        if (index < scenes_.size()) {
            const GLTexture* picture = index < thumbnails_.size() ? thumbnails_[index] : nullptr;
            // A scene the file lists no picture or name for: the empty
            // picture and the flow's own name for it.
            const std::string text = index < sceneNames_.size() && !sceneNames_[index].empty()
                                         ? sceneNames_[index]
                                         : GameFlow::attribute(scenes_[index]->attributes, "name");
            slot->setTexture(picture ? picture : empty);
            name->setText(nameText(text));
            slot->setName(nameText(text));
        } else {
            slot->setTexture(empty);
            name->setText("");
            slot->setName("");
        }
    }
}

void FreePlayMenu::updatePageButtons() {
    if (previousButton_) {
        previousButton_->setEnabled(currentPage_ > 1);
    }
    if (nextButton_) {
        nextButton_->setEnabled(currentPage_ < pageCount_);
    }
}

std::string FreePlayMenu::pageText() const {
    return std::to_string(currentPage_) + " / " + std::to_string(pageCount_);
}

const GLTexture* FreePlayMenu::backdrop() const {
    return resources().getTexture("FREEPLAY_BG");
}

void FreePlayMenu::drawBackground(Graphics& graphics) {
    if (const GLTexture* background = backdrop()) {
        graphics.drawTexture((AppConfig::instance().width() - background->imageWidth()) / 2,
                             (AppConfig::instance().height() - background->imageHeight()) / 2,
                             background, kWhite);
    }
    const int windowWidth = AppConfig::instance().width();
    const GLTexture* plate = resources().getTexture("FREEPLAY_BTN_BASE");
    if (plate) {
        graphics.drawTexture((windowWidth - plate->imageWidth()) / 2 - offsetX(), 6, plate, kWhite);
    }
    if (const Font* font = applicationFont("FONT_CheltenhamBT20")) {
        const std::string text = pageText();
        font->drawText(graphics, (windowWidth - font->textWidth(text)) / 2 - offsetX(), 20, text,
                       kBlack);
    }
}

void FreePlayMenu::drawForeground(Graphics& graphics) {
    for (int i = 0; i < SlotsPerPage; ++i) {
        const std::size_t index = std::size_t((currentPage_ - 1) * SlotsPerPage + i);
        if (frame_ && index < scenes_.size()) {
            const ClickableImageWidget* slot = slots_[std::size_t(i)];
            graphics.drawTexture(slot->x() + frameOffsetX_, slot->y() + frameOffsetY_, frame_,
                                 kWhite);
        }
    }
    if (!scenes_.empty()) {
        return;
    }
    const GLTexture* backdrop = resources().getTexture("FREEPLAY_MSG_BACKDROP");
    const Font* font = applicationFont("FONT_CheltenhamBT22");
    if (!backdrop || !font) {
        return;
    }
    const int x = (AppConfig::instance().width() - backdrop->imageWidth()) / 2;
    const int y = (AppConfig::instance().height() - backdrop->imageHeight()) / 2;
    graphics.drawTexture(x, y, backdrop, kWhite);
    font->drawTextBox(
        graphics,
        WidgetRect(x + 20, y + 20, 0, backdrop->imageWidth() - 40, backdrop->imageHeight() - 40),
        applicationLabel("FREEPLAY_EMPTY"), kWhite, Font::AlignCenter, Font::AlignMiddle, true);
}

void FreePlayMenu::buttonEvent(int id, int code) {
    if (code != 1 || phase() != Shown || scenePlaying_) {
        return;
    }
    switch (id) {
    case MenuId:
        close(0, true);
        return;
    case PreviousId:
        if (currentPage_ > 1) {
            --currentPage_;
        }
        break;
    case NextId:
        if (currentPage_ < pageCount_) {
            ++currentPage_;
        }
        break;
    default:
        if (id >= 1 && id <= SlotsPerPage) {
            playSlot(id - 1);
        }
        return;
    }
    updatePageButtons();
    fillPage();
}

void FreePlayMenu::playSlot(int slotIndex) {
    const std::size_t index = std::size_t((currentPage_ - 1) * SlotsPerPage + slotIndex);
    GameApp* app = GameApp::instance();
    if (index >= scenes_.size() || !app) {
        return;
    }
    // The flow's own entry, played without its story: no completion dialog,
    // nothing saved, the profile's place untouched.
    GameFlow::Attributes attributes = scenes_[index]->attributes;
    attributes["pushDialogWindow"] = "0";
    attributes["dialogMessage"] = "";
    attributes["freePlay"] = "1";
    std::unique_ptr<GameState> scene = GameFlow::instance().createScreen("ho_scene", attributes);
    if (!scene) {
        engineLog() << "Free play menu: the scene \"" << GameFlow::attribute(attributes, "name")
                    << "\" cannot be built\n";
        return;
    }
    engineLog() << "Free play: replaying \"" << GameFlow::attribute(attributes, "name") << "\"\n";
    scenePlaying_ = true;
    widgetManager().setInputEnabled(false);
    app->startScreen(std::move(scene));
}

void FreePlayMenu::onUncovered(GameApp& app) {
    ScreenBase::onUncovered(app);
    if (!scenePlaying_) {
        return;
    }
    scenePlaying_ = false;
    ++gReplays;
    widgetManager().setInputEnabled(true);
    if (_Mix_Music* music = app.getResources().getMusicStream("MAIN_MUSIC")) {
        AudioEngine::instance().fadeInMusic(music, 500, -1);
    }
}

void FreePlayMenu::onClosed(int) {
    GameApp* app = GameApp::instance();
    if (!app) {
        return;
    }
    app->popScreen();
    app->startScreen(std::make_unique<MainMenu>("fromFreePlay"));
}

ClickableImageWidget* FreePlayMenu::slot(int index) const {
    return index >= 0 && index < SlotsPerPage ? slots_[std::size_t(index)] : nullptr;
}

TextLabel* FreePlayMenu::slotName(int index) const {
    return index >= 0 && index < SlotsPerPage ? names_[std::size_t(index)] : nullptr;
}

QuillButton* FreePlayMenu::button(int id) const {
    switch (id) {
    case MenuId:
        return menuButton_;
    case PreviousId:
        return previousButton_;
    case NextId:
        return nextButton_;
    default:
        return nullptr;
    }
}

PlayerMove FreePlayMenu::suggestMove() {
    if (phase() != Shown || scenePlaying_) {
        return PlayerMove::wait();
    }
    if (gReplays == 0 && !scenes_.empty() && currentPage_ == 1) {
        return clickOn(slots_[0]);
    }
    return clickOn(menuButton_, "MENU");
}
