#include "game/minigames/PlacePiecesPuzzle.h"

#include "engine/app/AppConfig.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/DraggableImageWidget.h"
#include "engine/ui/QuillButton.h"
#include "engine/ui/WidgetManager.h"

#include <algorithm>
#include <cstdlib>

PlacePiecesPuzzle::PlacePiecesPuzzle(std::string configFile, int musicSceneId,
                                     std::string pictureFolder, std::string pressSound,
                                     std::string dropSound)
    : MiniGameBase(false, musicSceneId), configFile_(std::move(configFile)),
      folder_(std::move(pictureFolder)), pressSound_(std::move(pressSound)),
      dropSound_(std::move(dropSound)) {}

void PlacePiecesPuzzle::createWidgets() {
    MiniGameBase::createWidgets();
    readFile();
    scatter();
}

void PlacePiecesPuzzle::readFile() {
    TiXmlDocument document;
    const TiXmlElement* game = readPuzzleFile(document, configFile_, "Game");
    if (!game) {
        return;
    }
    xml::NumberReader numbers(configFile_, "puzzle");
    const std::string extension = pictureExtension();
    const std::string background = textOf(game, "background");
    if (!background.empty()) {
        background_ = loadPicture(folder_ + background + extension);
        finishedPicture_ = loadPicture(folder_ + background + "Finished" + extension);
    }
    pieceWidth_ = numbers.integer(game, "puzzleElementWidth", -1);
    pieceHeight_ = numbers.integer(game, "puzzleElementHeight", -1);
    tolerance_ = numbers.integer(game, "tolerance", -1);
    for (const TiXmlElement* e = game->FirstChildElement("Piece"); e;
         e = e->NextSiblingElement("Piece")) {
        if (pieces_.size() == MaxPieces) {
            engineLog() << "Puzzle \"" << configFile_ << "\": more than " << MaxPieces
                        << " pieces; the rest are left out\n";
            break;
        }
        const int id = numbers.integer(e, "id", -1);
        if (id != int(pieces_.size())) {
            engineLog() << "Puzzle \"" << configFile_ << "\", line " << e->Row() << ": piece id "
                        << id << " is not its place in the file (" << pieces_.size()
                        << "); its drop counts for that piece\n";
        }
        Piece piece;
        piece.solutionX = numbers.integer(e, "solutionX", -1);
        piece.solutionY = numbers.integer(e, "solutionY", -1);
        piece.widget = addWidget(std::make_unique<DraggableImageWidget>(
            loadPicture(textOf(e, "path") + extension), this, id, 0, 0));
        pieces_.push_back(piece);
    }
    if (pieces_.empty()) {
        engineLog() << "Puzzle \"" << configFile_ << "\": no pieces; the puzzle can be skipped\n";
    }
}

void PlacePiecesPuzzle::scatter() {
    const AppConfig& config = AppConfig::instance();
    const int rangeX = config.width() - pieceWidth_ - offsetX();
    const int rangeY = config.height() - offsetY() - pieceHeight_;
    const auto coversButton = [&](int x, int y) {
        for (const Widget* button :
             {static_cast<const Widget*>(menuButton()), static_cast<const Widget*>(skipButton())}) {
            if (button && x < button->x() + button->width() && button->x() < x + pieceWidth_ &&
                y < button->y() + button->height() && button->y() < y + pieceHeight_) {
                return true;
            }
        }
        return false;
    };
    for (Piece& piece : pieces_) {
        // A range of nothing puts the pieces at 0. A piece is not left
        // lying over MENU or SKIP while another place can be drawn.
        int x = 0;
        int y = 0;
        for (int tries = 0; tries < 20; ++tries) {
            x = rangeX > 0 ? std::rand() % rangeX : 0;
            y = rangeY > 0 ? std::rand() % rangeY : 0;
            if (!coversButton(x, y)) {
                break;
            }
        }
        piece.widget->setPosition(x, y);
    }
}

void PlacePiecesPuzzle::buttonEvent(int id, int code) {
    if (id == SkipButtonId || id == MenuButtonId) {
        MiniGameBase::buttonEvent(id, code);
        return;
    }
    if (code == 0) {
        playSoundEffect(pressSound_);
    } else if (code == 4) {
        dropped(id);
    }
}

void PlacePiecesPuzzle::dropped(int id) {
    if (id >= 0 && id < int(pieces_.size())) {
        playSoundEffect(dropSound_);
        Piece& piece = pieces_[std::size_t(id)];
        DraggableImageWidget* widget = piece.widget;
        const int x = widget->x();
        const int y = widget->y();
        if (!piece.placed && piece.solutionX - tolerance_ < x && x < piece.solutionX + tolerance_ &&
            piece.solutionY - tolerance_ < y && y < piece.solutionY + tolerance_) {
            // Out of the window: a placed piece is drawn by the screen and
            // can no longer be picked up.
            const AppConfig& config = AppConfig::instance();
            widget->setPosition(config.width(), config.height(), true);
            piece.placed = true;
            ++placedCount_;
        }
    }
    // A piece let go beyond the window's edge comes back into it whole, so
    // that it can be picked up again. The dropped widget is found by its
    // pointer, not by its id, which a damaged file may repeat.
    const AppConfig& config = AppConfig::instance();
    for (Piece& piece : pieces_) {
        DraggableImageWidget* widget = piece.widget;
        if (piece.placed && widget->x() >= config.width()) {
            continue;
        }
        const int x =
            std::clamp(widget->x(), -offsetX(),
                       std::max(-offsetX(), config.width() - offsetX() - widget->width()));
        const int y =
            std::clamp(widget->y(), -offsetY(),
                       std::max(-offsetY(), config.height() - offsetY() - widget->height()));
        if (x != widget->x() || y != widget->y()) {
            widget->setPosition(x, y);
        }
    }
    if (!pieces_.empty() && placedCount_ == int(pieces_.size()) && !finished_) {
        finished_ = true;
        showResultDialog(SolvedAndLeave);
    }
}

const GLTexture* PlacePiecesPuzzle::backdrop() const {
    return background_;
}

void PlacePiecesPuzzle::drawBackground(Graphics& graphics) {
    MiniGameBase::drawBackground(graphics);
    const Color white(255, 255, 255, 255);
    drawPicture(graphics, background_);
    const Color placedTint = finished_ ? white : Color(200, 200, 200, 255);
    for (const Piece& piece : pieces_) {
        if (piece.placed) {
            graphics.drawTexture(piece.solutionX, piece.solutionY, piece.widget->texture(),
                                 placedTint);
        }
    }
    if (finished_) {
        drawPicture(graphics, finishedPicture_);
    }
}

PlayerMove PlacePiecesPuzzle::suggestMove() {
    if (!acceptsPlay() || finished_ || plannedSkip()) {
        return leaveMove();
    }
    // A loose piece's middle, taken by whichever loose piece lies on top
    // there; that one goes where its corner meets its place.
    for (const Piece& loose : pieces_) {
        if (loose.placed) {
            continue;
        }
        const int x = loose.widget->x() + loose.widget->width() / 2;
        const int y = loose.widget->y() + loose.widget->height() / 2;
        const Widget* top = widgetManager().widgetAt(x, y);
        for (std::size_t j = 0; j < pieces_.size(); ++j) {
            const Piece& piece = pieces_[j];
            if (piece.placed || piece.widget != top || piece.widget->id() != int(j)) {
                continue;
            }
            const int grabX = x - piece.widget->x();
            const int grabY = y - piece.widget->y();
            return PlayerMove::drag("piece " + std::to_string(j), x + offsetX(), y + offsetY(),
                                    piece.solutionX + grabX + offsetX(),
                                    piece.solutionY + grabY + offsetY());
        }
    }
    return leaveMove();
}
