#pragma once

#include "game/minigames/MiniGameBase.h"

#include <string>
#include <vector>

class DraggableImageWidget;
class GLTexture;

// Pieces lie scattered over the screen; the player drags each onto its place,
// and a piece dropped close enough snaps in and stays. The jigsaw and the
// letter card are this puzzle with their own pictures and sounds.
class PlacePiecesPuzzle : public MiniGameBase, public SimpleButtonListener {
public:
    // More than a screen can show: a damaged file.
    static constexpr std::size_t MaxPieces = 200;

    struct Piece {
        int solutionX = 0;
        int solutionY = 0;
        bool placed = false;
        DraggableImageWidget* widget = nullptr;
    };

    PlacePiecesPuzzle(std::string configFile, int musicSceneId, std::string pictureFolder,
                      std::string pressSound, std::string dropSound);

    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    // Pieces (their ids) and the MENU and SKIP buttons.
    void buttonEvent(int id, int code) override;
    PlayerMove suggestMove() override;

    const std::vector<Piece>& pieces() const { return pieces_; }
    int placedCount() const { return placedCount_; }
    int tolerance() const { return tolerance_; }
    bool isFinished() const { return finished_; }

private:
    void readFile();
    void scatter();
    void dropped(int id);

    std::string configFile_;
    std::string folder_;
    std::string pressSound_;
    std::string dropSound_;
    const GLTexture* background_ = nullptr;
    const GLTexture* finishedPicture_ = nullptr;
    std::vector<Piece> pieces_;
    int pieceWidth_ = -1;
    int pieceHeight_ = -1;
    int placedCount_ = 0;
    int tolerance_ = -1;
    bool finished_ = false;
};
