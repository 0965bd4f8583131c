#include "game/minigames/MG_Screen10.h"

#include "engine/audio/SfxContainer.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "game/ResourceTables.h"

#include <string>

MG_Screen10::MG_Screen10(int musicSceneId) : MiniGameBase(false, musicSceneId) {
    setTypeName("MG_Screen10");
    setCaption("MG_SCREEN10_CAPTION");
}

void MG_Screen10::onStart() {
    MiniGameBase::onStart();
    resource_tables::registerMiniGame10Textures(resources());
}

void MG_Screen10::createWidgets() {
    MiniGameBase::createWidgets();
    slots_.clear();
    for (int i = 0; i < Books; ++i) {
        Slot slot;
        slot.book = i;
        slot.x = 198 + 74 * i;
        slot.y = 257;
        slot.width = 90;
        slot.height = 378;
        slot.texture = resources().getTexture("MG_BOOK_" + std::to_string(i + 1));
        slots_.push_back(slot);
    }
}

bool MG_Screen10::inOrder() const {
    for (int i = 0; i < Books && i < int(slots_.size()); ++i) {
        if (slots_[std::size_t(i)].book != Answer[std::size_t(i)]) {
            return false;
        }
    }
    return int(slots_.size()) == Books;
}

void MG_Screen10::mousePressed(const MouseEvent& event) {
    if (solved_ || (event.buttons & MouseEvent::Left) == 0) {
        return;
    }
    Slot* selected = nullptr;
    Slot* target = nullptr;
    for (Slot& slot : slots_) {
        if (!selected && slot.selected) {
            selected = &slot;
        }
        if (!target && slot.contains(event.x, event.y)) {
            target = &slot;
        }
    }
    if (target) {
        target->selected = !target->selected;
        if (!selected) {
            playSoundEffect("MG_BOOK_PRESS");
        } else {
            std::swap(selected->book, target->book);
            std::swap(selected->texture, target->texture);
            selected->selected = false;
            target->selected = false;
            playSoundEffect("MG_BOOK_SWAP");
        }
    }
    if (inOrder()) {
        solved_ = true;
        showResultDialog(SolvedAndStay);
    }
}

const GLTexture* MG_Screen10::backdrop() const {
    return resources().getTexture("MG_10BG");
}

void MG_Screen10::drawBackground(Graphics& graphics) {
    MiniGameBase::drawBackground(graphics);
    graphics.drawTexture(0, 0, backdrop(), Color(255, 255, 255, 255));
    for (const Slot& slot : slots_) {
        graphics.drawTexture(slot.x, slot.y, slot.texture,
                             slot.selected ? Color(255, 255, 255, 255) : Color(200, 200, 200, 255));
    }
}

PlayerMove MG_Screen10::suggestMove() {
    if (!acceptsPlay() || solved_ || plannedSkip()) {
        return leaveMove();
    }
    // The leftmost book out of place goes first; then the one that belongs there.
    int wrong = -1;
    int selected = -1;
    for (int i = 0; i < int(slots_.size()); ++i) {
        if (wrong < 0 && slots_[std::size_t(i)].book != Answer[std::size_t(i)]) {
            wrong = i;
        }
        if (selected < 0 && slots_[std::size_t(i)].selected) {
            selected = i;
        }
    }
    if (wrong < 0) {
        return leaveMove();
    }
    int pick = wrong;
    if (selected >= 0) {
        for (int i = 0; i < int(slots_.size()); ++i) {
            if (slots_[std::size_t(i)].book == Answer[std::size_t(selected)]) {
                pick = i;
            }
        }
    }
    const Slot& slot = slots_[std::size_t(pick)];
    // The middle of the book's own strip: neighbours overlap the slot's edges.
    return PlayerMove::click("book " + std::to_string(slot.book), slot.x + 45, slot.y + 200, 8, 60);
}
