#include "game/minigames/MG_Screen28.h"

#include "engine/app/AppConfig.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/DraggableImageWidget.h"
#include "engine/ui/WidgetManager.h"
#include "game/ResourceTables.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

int number(const TiXmlElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value ? std::atoi(value) : 0;
}

} // namespace

MG_Screen28::MG_Screen28(int musicSceneId, std::string file)
    : MiniGameBase(true, musicSceneId), file_(std::move(file)) {
    setTypeName("MG_Screen28");
    setCaption("MG_SCREEN28_CAPTION");
}

void MG_Screen28::onStart() {
    MiniGameBase::onStart();
    resource_tables::registerMiniGame28Textures(resources());
}

void MG_Screen28::createWidgets() {
    MiniGameBase::createWidgets();
    readFile();
}

void MG_Screen28::readFile() {
    TiXmlDocument document;
    const TiXmlElement* game = readPuzzleFile(document, file_, "Minigame");
    if (!game) {
        return;
    }
    for (const TiXmlElement* e = game->FirstChildElement("Texture"); e;
         e = e->NextSiblingElement("Texture")) {
        const char* path = e->Attribute("fileName");
        textures_[number(e, "type")] = loadPicture(path ? path : "");
    }
    for (const TiXmlElement* e = game->FirstChildElement("Slot"); e && slots_.size() < MaxPieces;
         e = e->NextSiblingElement("Slot")) {
        slots_.push_back({number(e, "type"), number(e, "x"), number(e, "y"), false});
    }
    for (const TiXmlElement* e = game->FirstChildElement("Shape"); e && shapes_.size() < MaxPieces;
         e = e->NextSiblingElement("Shape")) {
        const int type = number(e, "type");
        const auto texture = textures_.find(type);
        if (texture == textures_.end()) {
            engineLog() << "Puzzle \"" << file_ << "\", line " << e->Row()
                        << ": no Texture of type " << type << "; the chocolate is not drawn\n";
        }
        auto widget = std::make_unique<DraggableImageWidget>(
            texture == textures_.end() ? nullptr : texture->second, this, int(shapes_.size()),
            number(e, "x"), number(e, "y"));
        shapes_.push_back({type, addWidget(std::move(widget))});
    }
    if (slots_.empty() || shapes_.empty()) {
        engineLog() << "Puzzle \"" << file_ << "\": " << slots_.size() << " slots and "
                    << shapes_.size() << " chocolates; the puzzle may only be skipped\n";
    }
}

const MG_Screen28::Slot* MG_Screen28::nearestFreeSlot(const Shape& shape) const {
    const Slot* nearest = nullptr;
    long best = LONG_MAX;
    for (const Slot& slot : slots_) {
        if (slot.filled || slot.type != shape.type) {
            continue;
        }
        const long dx = slot.x - shape.widget->x();
        const long dy = slot.y - shape.widget->y();
        if (dx * dx + dy * dy < best) {
            best = dx * dx + dy * dy;
            nearest = &slot;
        }
    }
    return best < SnapDistanceSquared ? nearest : nullptr;
}

bool MG_Screen28::allFilled() const {
    return std::all_of(slots_.begin(), slots_.end(), [](const Slot& slot) { return slot.filled; });
}

void MG_Screen28::buttonEvent(int id, int code) {
    if (id == SkipButtonId || id == MenuButtonId) {
        MiniGameBase::buttonEvent(id, code);
        return;
    }
    if (id < 0 || id >= int(shapes_.size())) {
        return;
    }
    if (code == 0) {
        dragged_ = id;
        playSoundEffect("CHOCOLATE_PRESS");
        return;
    }
    if (code != 4) {
        return;
    }
    playSoundEffect("CHOCOLATE_RELEASE");
    Shape& shape = shapes_[std::size_t(id)];
    DraggableImageWidget* widget = shape.widget;
    if (const Slot* nearest = dragged_ == id ? nearestFreeSlot(shape) : nullptr) {
        Slot& slot = slots_[std::size_t(nearest - slots_.data())];
        slot.filled = true;
        widget->setPosition(slot.x, slot.y);
        widget->setEnabled(false);
    } else {
        // A chocolate let go beyond the window's edge comes back into it.
        const AppConfig& config = AppConfig::instance();
        const int x = std::clamp(widget->x(), 0, std::max(0, config.width() - widget->width()));
        const int y = std::clamp(widget->y(), 0, std::max(0, config.height() - widget->height()));
        if (x != widget->x() || y != widget->y()) {
            widget->setPosition(x, y);
        }
    }
    dragged_ = -1;
    if (allFilled()) {
        showResultDialog(SolvedAndLeave);
    }
}

const GLTexture* MG_Screen28::backdrop() const {
    return resources().getTexture("SCR28_BG");
}

void MG_Screen28::drawBackground(Graphics& graphics) {
    MiniGameBase::drawBackground(graphics);
    graphics.drawTexture(0, 0, backdrop(), Color(255, 255, 255, 255));
    if (dragged_ < 0) {
        return;
    }
    const Shape& shape = shapes_[std::size_t(dragged_)];
    if (const Slot* slot = nearestFreeSlot(shape)) {
        graphics.drawTexture(slot->x, slot->y, shape.widget->texture(), Color(255, 255, 255, 128));
    }
}

PlayerMove MG_Screen28::suggestMove() {
    if (!acceptsPlay() || plannedSkip() || allFilled()) {
        return leaveMove();
    }
    for (const Shape& shape : shapes_) {
        DraggableImageWidget* widget = shape.widget;
        if (!widget->isEnabled()) {
            continue;
        }
        const int x = widget->x() + widget->width() / 2;
        const int y = widget->y() + widget->height() / 2;
        if (widgetManager().widgetAt(x, y) != widget) {
            continue;
        }
        for (const Slot& slot : slots_) {
            if (!slot.filled && slot.type == shape.type) {
                return PlayerMove::drag("chocolate " + std::to_string(widget->id()), x + offsetX(),
                                        y + offsetY(), slot.x + widget->width() / 2 + offsetX(),
                                        slot.y + widget->height() / 2 + offsetY());
            }
        }
    }
    return leaveMove();
}
