#include "game/minigames/MG_Screen18.h"

#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/Graphics.h"
#include "game/minigames/PuzzlePlan.h"

MG_Screen18::MG_Screen18(const std::string& configFile, int musicSceneId)
    : MiniGameBase(false, musicSceneId), configFile_(configFile) {
    setTypeName("MG_Screen18");
    setCaption("MG_SCREEN18_CAPTION");
}

void MG_Screen18::createWidgets() {
    MiniGameBase::createWidgets();
    readFile();
    moveButtonsToTop();
}

void MG_Screen18::readFile() {
    TiXmlDocument document;
    const TiXmlElement* game = readPuzzleFile(document, configFile_, "Minigame");
    if (!game) {
        return;
    }
    xml::NumberReader numbers(configFile_, "click sequence");
    const std::string folder = textOf(game, "imagePath");
    const std::string extension = pictureExtension();
    if (!textOf(game, "background").empty()) {
        background_ = loadPicture(folder + textOf(game, "background") + extension);
    }
    if (!textOf(game, "noteOver").empty()) {
        markTexture_ = loadPicture(folder + textOf(game, "noteOver") + extension);
    }
    std::vector<Mark> notes;
    bool cut = false;
    for (const TiXmlElement* e = game->FirstChildElement(); e; e = e->NextSiblingElement()) {
        const std::string kind = e->ValueStr();
        if (kind == "Slot") {
            const std::string name = textOf(e, "name");
            if (areas_.size() >= MaxAreas && !areas_.count(name)) {
                cut = true;
                continue;
            }
            areas_[name] = WidgetRect(
                numbers.integer(e, "topLeftX", -1), numbers.integer(e, "topLeftY", -1), 0,
                numbers.integer(e, "squareWidth", -1), numbers.integer(e, "squareHeight", -1));
        } else if (kind == "Step") {
            if (steps_.size() >= MaxSteps) {
                cut = true;
                continue;
            }
            steps_.push_back(textOf(e, "name"));
        } else if (kind == "Note" && notes.size() < MaxSteps) {
            Mark mark;
            mark.x = float(numbers.integer(e, "positionX", -1));
            mark.y = float(numbers.integer(e, "positionY", -1));
            mark.known = true;
            notes.push_back(mark);
        }
    }
    if (cut) {
        engineLog() << "Puzzle \"" << configFile_ << "\": more than " << MaxSteps
                    << " steps or areas; the rest are left out\n";
    }
    marks_ = notes;
    if (marks_.size() < steps_.size()) {
        engineLog() << "Puzzle \"" << configFile_ << "\": " << steps_.size() << " steps but "
                    << notes.size() << " notes; the steps without one show no mark\n";
        marks_.resize(steps_.size());
    }
    for (const std::string& step : steps_) {
        if (!areas_.count(step)) {
            engineLog() << "Puzzle \"" << configFile_ << "\": the tune asks for \"" << step
                        << "\", which no Slot names; it cannot be played and can be skipped\n";
            break;
        }
    }
    if (steps_.empty()) {
        engineLog() << "Puzzle \"" << configFile_ << "\": no Step; the puzzle can be skipped\n";
    }
}

void MG_Screen18::mouseReleased(const MouseEvent& event) {
    if ((event.buttons & MouseEvent::Left) == 0 || !acceptsPlay() ||
        progress_ >= int(steps_.size())) {
        return;
    }
    bool inside = false;
    bool wrong = false;
    for (const auto& [name, rect] : areas_) {
        if (!(rect.x <= event.x && event.x < rect.x + rect.width && rect.y <= event.y &&
              event.y < rect.y + rect.height)) {
            continue;
        }
        inside = true;
        playSoundEffect(name);
        if (progress_ >= int(steps_.size()) || name != steps_[std::size_t(progress_)]) {
            wrong = true;
            continue;
        }
        ++progress_;
        if (progress_ == int(steps_.size())) {
            showResultDialog(SolvedAndLeave);
        }
    }
    if (!inside || wrong) {
        progress_ = 0;
        showResultDialog(WrongSolution);
    }
}

const GLTexture* MG_Screen18::backdrop() const {
    return background_;
}

void MG_Screen18::drawBackground(Graphics& graphics) {
    MiniGameBase::drawBackground(graphics);
    const Color white(255, 255, 255, 255);
    drawPicture(graphics, background_);
    if (!markTexture_) {
        return;
    }
    for (int i = 0; i < progress_ && i < int(marks_.size()); ++i) {
        const Mark& mark = marks_[std::size_t(i)];
        if (mark.known) {
            graphics.drawTexture(int(mark.x), int(mark.y), markTexture_, white);
        }
    }
}

PlayerMove MG_Screen18::suggestMove() {
    if (!acceptsPlay() || plannedSkip() || progress_ >= int(steps_.size())) {
        return leaveMove();
    }
    auto area = areas_.find(steps_[std::size_t(progress_)]);
    if (area == areas_.end()) {
        return leaveMove(); // the tune names a key the piano lacks
    }
    if (progress_ == 1 && !slip_ && PuzzlePlan::instance().takeMistake(screenName())) {
        // Once in a whole game the second note is missed: the tune starts over.
        slip_ = true;
        for (const auto& [name, rect] : areas_) {
            if (name != steps_[1] && rect.width > 0 && rect.height > 0) {
                return PlayerMove::click(name, rect.x + rect.width / 2, rect.y + rect.height / 2);
            }
        }
    }
    const WidgetRect& rect = area->second;
    return PlayerMove::click(area->first, rect.x + rect.width / 2, rect.y + rect.height * 2 / 3,
                             rect.width / 4, rect.height / 6);
}
