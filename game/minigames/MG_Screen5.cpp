#include "game/minigames/MG_Screen5.h"

#include "engine/anim/ActionDelay.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "game/ResourceTables.h"
#include "game/minigames/CombinationButton.h"
#include "game/minigames/PuzzlePlan.h"

MG_Screen5::MG_Screen5(int musicSceneId, std::string file)
    : MiniGameBase(true, musicSceneId), file_(std::move(file)),
      resetDelay_(std::make_unique<lux::ActionDelay>(lux::Duration(ResetDelayMs))) {
    setTypeName("MG_Screen5");
    setCaption("MG_SCREEN5_CAPTION");
}

MG_Screen5::~MG_Screen5() = default;

void MG_Screen5::onStart() {
    MiniGameBase::onStart();
    resource_tables::registerMiniGame5Textures(resources());
}

void MG_Screen5::createWidgets() {
    MiniGameBase::createWidgets();
    const GLTexture* off = resources().getTexture("SCR5_KEY_LIGHT_OFF");
    const GLTexture* on = resources().getTexture("SCR5_KEY_LIGHT_ON");
    for (int i = 0; i < 16; ++i) {
        auto key = std::make_unique<CombinationButton>(i, this, off, on);
        key->setPosition(keyX(i), keyY(i));
        keys_.push_back(addWidget(std::move(key)));
    }
    readFile();
}

void MG_Screen5::readFile() {
    TiXmlDocument document;
    const TiXmlElement* game = readPuzzleFile(document, file_, "Minigame");
    if (!game) {
        return;
    }
    xml::NumberReader numbers(file_, "safe");
    for (const TiXmlElement* e = game->FirstChildElement("Solution"); e;
         e = e->NextSiblingElement("Solution")) {
        if (!e->Attribute("row") || !e->Attribute("column")) {
            engineLog() << "Puzzle \"" << file_ << "\", line " << e->Row()
                        << ": a Solution without row or column is skipped\n";
            continue;
        }
        const int row = numbers.integer(e, "row", 0);
        const int column = numbers.integer(e, "column", 0);
        if (row < 1 || row > 4 || column < 1 || column > 4) {
            engineLog() << "Puzzle \"" << file_ << "\", line " << e->Row() << ": no key at row "
                        << row << ", column " << column << "; the press is skipped\n";
            continue;
        }
        if (solution_.size() == MaxSolution) {
            engineLog() << "Puzzle \"" << file_ << "\": a code longer than " << MaxSolution
                        << " presses is cut there\n";
            break;
        }
        solution_.emplace_back(row, column);
    }
    if (solution_.empty()) {
        engineLog() << "Puzzle \"" << file_
                    << "\": no code; the safe cannot open and can be skipped\n";
    }
}

bool MG_Screen5::matches() const {
    if (pressed_.size() != solution_.size()) {
        return false;
    }
    for (std::size_t k = 0; k < pressed_.size(); ++k) {
        if (solution_[k] != nameOf(pressed_[k])) {
            return false;
        }
    }
    return true;
}

bool MG_Screen5::resetRunning() const {
    return resetDelay_->isRunning();
}

void MG_Screen5::buttonEvent(int id, int code) {
    if (id < 0 || id >= int(keys_.size())) {
        MiniGameBase::buttonEvent(id, code);
        return;
    }
    if (code != 0 || opened_) {
        return;
    }
    pressed_.push_back(id);
    if (matches()) {
        playSoundEffect("SAFE_OPEN_SUCCESS");
        opened_ = true;
        for (CombinationButton* key : keys_) {
            key->setVisible(false);
        }
        showResultDialog(SolvedAndStay);
    } else if (pressed_.size() == solution_.size()) {
        playSoundEffect("SAFE_WRONG_COMBINATION");
        resetDelay_->start(this, 0);
    }
}

void MG_Screen5::actionFinished(int) {
    pressed_.clear();
    for (CombinationButton* key : keys_) {
        key->setLit(false);
    }
}

void MG_Screen5::onUpdate(int elapsedMs) {
    if (resetDelay_->isRunning()) {
        resetDelay_->update(elapsedMs);
    }
}

const GLTexture* MG_Screen5::backdrop() const {
    return resources().getTexture(opened_ ? "SCR5_BG_OPEN" : "SCR5_BG");
}

void MG_Screen5::drawBackground(Graphics& graphics) {
    MiniGameBase::drawBackground(graphics);
    const Color white(255, 255, 255, 255);
    graphics.drawTexture(0, 0, backdrop(), white);
    if (opened_) {
        return;
    }
    graphics.drawTexture(163, 200, resources().getTexture("SCR5_OPEN_OFF"), white);
    graphics.drawTexture(163, 366, resources().getTexture("SCR5_LOCKED_ON"), white);
    graphics.drawTexture(330, 230, resources().getTexture("SCR5_NUMBERS"), white);
}

PlayerMove MG_Screen5::suggestMove() {
    if (!acceptsPlay() || opened_ || solution_.empty() || plannedSkip()) {
        return leaveMove();
    }
    if (resetDelay_->isRunning()) {
        return PlayerMove::wait();
    }
    if (pressed_.empty() || attempt_.empty()) {
        // The code from the note; once in a whole game a slip of the finger first.
        attempt_.clear();
        for (const KeyName& name : solution_) {
            attempt_.push_back((4 - name.first) * 4 + name.second - 1);
        }
        if (PuzzlePlan::instance().takeMistake(screenName())) {
            attempt_.back() = (attempt_.back() + 1) % 16;
        }
    }
    if (pressed_.size() >= attempt_.size()) {
        return PlayerMove::wait();
    }
    const int key = attempt_[pressed_.size()];
    return PlayerMove::click("key " + std::to_string(key), keyX(key) + 32, keyY(key) + 32, 8, 8);
}
