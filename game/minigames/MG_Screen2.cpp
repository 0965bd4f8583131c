#include "game/minigames/MG_Screen2.h"

#include "engine/anim/RelIncrementator.h"
#include "engine/app/AppConfig.h"
#include "engine/audio/SfxContainer.h"
#include "engine/core/Log.h"
#include "engine/core/XmlFile.h"
#include "engine/graphics/GLTexture.h"
#include "engine/graphics/Graphics.h"
#include "engine/resources/ResourceManager.h"
#include "engine/ui/ClippedImageWidget.h"
#include "game/ResourceTables.h"
#include "game/minigames/PuzzlePlan.h"

#include <algorithm>
#include <cstdlib>

MG_Screen2::MyClickableImageWidget::MyClickableImageWidget(const GLTexture* texture,
                                                           QuillButtonListener* listener, int id)
    : ClickableImageWidget(texture) {
    setListener(listener);
    setId(id);
    pieceId = id;
    setTint(Color(200, 200, 200, 255));
}

void MG_Screen2::MyClickableImageWidget::render(Graphics& graphics, ScreenBase*) {
    const GLTexture* picture = texture();
    if (!picture) {
        return;
    }
    const float halfWidth = float(picture->imageWidth()) * 0.5f;
    const float halfHeight = float(picture->imageHeight()) * 0.5f;
    graphics.pushTransform();
    graphics.translate(halfWidth, halfHeight);
    graphics.rotate(float(configuration) / float(numberOfConfigurations) * 360.0f, 0, 0, 1);
    graphics.translate(-halfWidth, -halfHeight);
    graphics.drawTexture(0, 0, picture, tint());
    graphics.popTransform();
}

void MG_Screen2::PourAnimation::advance(int elapsedMs) {
    clock += elapsedMs;
    if (clock >= FrameMs) {
        clock -= FrameMs;
        frame = (frame + 1) % Frames;
    }
}

void MG_Screen2::PourAnimation::draw(Graphics& graphics, int x, int y, const Color& color,
                                     bool mirrored) const {
    if (!texture) {
        return;
    }
    const int column = frame % 4;
    const int row = frame / 4;
    const Rect source(FrameWidth * column, FrameHeight * row, FrameWidth * (column + 1),
                      FrameHeight * (row + 1));
    graphics.pushTransform();
    graphics.translate(float(x + (mirrored ? FrameWidth : 0)), float(y));
    if (mirrored) {
        graphics.scale(-1.0f, 1.0f);
    }
    graphics.drawTextureRegionScaled(0, 0, FrameWidth, FrameHeight, texture, source, color);
    graphics.popTransform();
}

MG_Screen2::MG_Screen2(std::string configFile, int musicSceneId)
    : MiniGameBase(false, musicSceneId), configFile_(std::move(configFile)) {
    setTypeName("MG_Screen2");
    setCaption("MG_SCREEN2_CAPTION");
}

MG_Screen2::~MG_Screen2() = default;

void MG_Screen2::onStart() {
    MiniGameBase::onStart();
    resource_tables::registerMiniGame2Textures(resources());
}

void MG_Screen2::createWidgets() {
    MiniGameBase::createWidgets();
    readFile();
    const AppConfig& config = AppConfig::instance();
    const auto liquid = [&](const char* key, int x, int y) {
        auto widget = std::make_unique<ClippedImageWidget>(resources().getTexture(key), x, y);
        widget->setClip(offsetX(), offsetY(), config.width(), config.height());
        return addWidget(std::move(widget));
    };
    // Below the window until a flood raises them, as after a drain: foam
    // resting on the screen's bottom edge would show before any beer.
    beer_ = liquid("MG_BEER", 0, 768);
    foamA_ = liquid("MG_FOAM", 0, 768);
    foamB_ = liquid("MG_FOAM", -1024, 768);
    pour_.texture = resources().getTexture("MG_BEERFALL");
}

void MG_Screen2::readFile() {
    TiXmlDocument document;
    const TiXmlElement* game = readPuzzleFile(document, configFile_, "Game");
    if (!game) {
        return;
    }
    xml::NumberReader numbers(configFile_, "pipes");
    const std::string folder = textOf(game, "imagePath");
    const std::string extension = pictureExtension();
    const int offsetX = numbers.integer(game, "offsetX", 0);
    const int offsetY = numbers.integer(game, "offsetY", 0);
    auto tap = std::make_unique<ClickableImageWidget>(
        loadPicture(folder + textOf(game, "startBtnImage") + extension));
    tap->setListener(this);
    tap->setId(TapId);
    tap->setPixelPrecise(true);
    tap->setPosition(numbers.integer(game, "startBtnX", -1),
                     numbers.integer(game, "startBtnY", -1));
    tap_ = addWidget(std::move(tap));

    numberOfConfigurations_ = numbers.integer(game, "numberOfConfigurations", -1);
    if (numberOfConfigurations_ <= 0) {
        engineLog() << "Puzzle \"" << configFile_ << "\": numberOfConfigurations "
                    << numberOfConfigurations_ << " is not positive; 4 are used\n";
        numberOfConfigurations_ = 4;
    }
    for (const TiXmlElement* e = game->FirstChildElement("Item"); e;
         e = e->NextSiblingElement("Item")) {
        if (pieces_.size() == MaxPieces) {
            engineLog() << "Puzzle \"" << configFile_ << "\": more than " << MaxPieces
                        << " pieces; the rest are left out\n";
            break;
        }
        const int id = int(pieces_.size());
        if (numbers.integer(e, "id", -1) != id) {
            engineLog() << "Puzzle \"" << configFile_ << "\", line " << e->Row()
                        << ": the piece's id is not its place in the file; " << id << " is used\n";
        }
        auto piece = std::make_unique<MyClickableImageWidget>(
            loadPicture(folder + textOf(e, "image") + extension), this, id);
        piece->numberOfConfigurations = numberOfConfigurations_;
        piece->positionX = numbers.integer(e, "positionX", 0);
        piece->positionY = numbers.integer(e, "positionY", 0);
        piece->typeId = numbers.integer(e, "typeId", 0);
        piece->solutionConfiguration = numbers.integer(e, "solutionConfiguration", -1);
        if (piece->solutionConfiguration == -1) {
            piece->configuration = -1;
        } else {
            // No piece starts turned right (a piece with one step cannot help it).
            piece->configuration = std::rand() % numberOfConfigurations_;
            for (int tries = 0; tries < 64 && piece->configuration == piece->solutionConfiguration;
                 ++tries) {
                piece->configuration = std::rand() % numberOfConfigurations_;
            }
        }
        expected_.push_back(numbers.integer(e, "partOfSolution", 0) == 1 ? piece->typeId : -1);
        piece->setPosition(offsetX + piece->positionX, offsetY + piece->positionY);
        pieces_.push_back(addWidget(std::move(piece)));
    }
    if (pieces_.empty()) {
        engineLog() << "Puzzle \"" << configFile_ << "\": no pieces; the puzzle can be skipped\n";
    }
}

bool MG_Screen2::pieceRight(const MyClickableImageWidget& piece) {
    if (piece.typeId == FreeType) {
        return true;
    }
    if (piece.solutionConfiguration == AnyEvenStep) {
        return piece.configuration % 2 == 0;
    }
    return piece.configuration == piece.solutionConfiguration;
}

bool MG_Screen2::piecesRight() const {
    for (const MyClickableImageWidget* piece : pieces_) {
        if (!pieceRight(*piece)) {
            return false;
        }
    }
    return true;
}

void MG_Screen2::buttonEvent(int id, int code) {
    if (id == SkipButtonId || id == MenuButtonId) {
        MiniGameBase::buttonEvent(id, code);
        return;
    }
    if (solved_) {
        return;
    }
    if (id == TapId) {
        if (code != 0 && code != 1) {
            return;
        }
        if (piecesRight()) {
            solve();
        } else {
            showResultDialog(WrongSolution);
            startFlood();
        }
        return;
    }
    if (code == 0 && id >= 0 && id < int(pieces_.size())) {
        playSoundEffect("PIPE_CLICK");
        MyClickableImageWidget& piece = *pieces_[std::size_t(id)];
        piece.configuration = (piece.configuration + 1) % numberOfConfigurations_;
    }
}

void MG_Screen2::solve() {
    for (MyClickableImageWidget* piece : pieces_) {
        const bool onTheWay = expected_[std::size_t(piece->pieceId)] == piece->typeId;
        piece->setTint(onTheWay ? Color(255, 255, 255, 255) : Color(150, 150, 150, 255));
    }
    solved_ = true;
    showResultDialog(SolvedAndStay);
}

void MG_Screen2::startFlood() {
    if (flood_) {
        return;
    }
    level_ = 768;
    foamX_ = 0;
    alpha_ = 255;
    auto rise = std::make_unique<lux::RelIncrementator<int>>(lux::Duration(30000), &level_, -768);
    auto fade = std::make_unique<lux::RelIncrementator<int>>(lux::Duration(10000), &alpha_, -255);
    auto drift = std::make_unique<lux::RelIncrementator<int>>(lux::Duration(30000), &foamX_, 512);
    flood_ =
        lux::Action::with(lux::Action::with(std::move(rise), std::move(fade)), std::move(drift));
    flood_->start(nullptr, 0);
}

void MG_Screen2::drain() {
    flood_.reset();
    for (ClippedImageWidget* liquid : {beer_, foamA_, foamB_}) {
        if (liquid) {
            liquid->setPosition(0, 768, true);
        }
    }
}

void MG_Screen2::onDialogClosed(int dialogId, int result) {
    MiniGameBase::onDialogClosed(dialogId, result);
    if (dialogId == WrongSolution) {
        drain();
    }
}

void MG_Screen2::onUpdate(int elapsedMs) {
    if (!flood_) {
        return;
    }
    flood_->update(elapsedMs);
    beer_->setPosition(0, level_, true);
    foamA_->setPosition(foamX_, level_ - 24, true);
    foamB_->setPosition(foamX_ - 1024, level_ - 24, true);
    pour_.advance(elapsedMs);
}

const GLTexture* MG_Screen2::backdrop() const {
    return resources().getTexture("MG_2BG");
}

void MG_Screen2::drawBackground(Graphics& graphics) {
    MiniGameBase::drawBackground(graphics);
    graphics.drawTexture(0, 0, backdrop(), Color(255, 255, 255, 255));
}

void MG_Screen2::drawForeground(Graphics& graphics) {
    if (flood_) {
        const Color color(255, 255, 255, std::uint8_t(std::clamp(alpha_, 0, 255)));
        pour_.draw(graphics, -50, 360, color, true);
        pour_.draw(graphics, AppConfig::instance().width() - 300, 360, color, false);
    }
    MiniGameBase::drawForeground(graphics);
}

PlayerMove MG_Screen2::suggestMove() {
    if (!acceptsPlay() || solved_ || plannedSkip() || !tap_ || pieces_.empty()) {
        return leaveMove();
    }
    // Once in a whole game the tap is tried before the pipes are turned.
    if (!triedTap_ && PuzzlePlan::instance().takeMistake(screenName())) {
        triedTap_ = true;
        return clickOn(tap_, "tap");
    }
    for (const MyClickableImageWidget* piece : pieces_) {
        if (!pieceRight(*piece)) {
            // Named with its step: each turn is a new move, not one that failed.
            return clickOn(piece, "pipe " + std::to_string(piece->pieceId) + " at step " +
                                      std::to_string(piece->configuration));
        }
    }
    return clickOn(tap_, "tap");
}
