#pragma once

#include "engine/ui/ClickableImageWidget.h"
#include "game/minigames/MiniGameBase.h"

#include <memory>
#include <string>
#include <vector>

class ClippedImageWidget;
namespace lux {
class Action;
}

// The beer pipes: pieces turn a step at each press, and the tap checks them.
// Every piece that matters turned right solves the puzzle; otherwise beer
// pours in from both sides and floods the screen until the wrong-solution
// dialog is closed, which drains it at once.
class MG_Screen2 : public MiniGameBase {
public:
    static constexpr int TapId = 100;
    // Pieces with this type never block the solution.
    static constexpr int FreeType = 7;
    // Turning steps meaning "any even step" as a piece's right one.
    static constexpr int AnyEvenStep = -2;
    // Piece ids stay below the tap's.
    static constexpr std::size_t MaxPieces = 99;

    // One turning pipe piece, drawn turned about its middle.
    class MyClickableImageWidget : public ClickableImageWidget {
    public:
        MyClickableImageWidget(const GLTexture* texture, QuillButtonListener* listener, int id);
        void render(Graphics& graphics, ScreenBase* screen) override;

        int solutionConfiguration = -1;
        int configuration = 0;
        int numberOfConfigurations = 1;
        int positionX = 0;
        int positionY = 0;
        int typeId = 0;
        int pieceId = 0;
    };

    // The pouring beer: frames of MG_BEERFALL in a 4 x 2 grid, 120 ms each.
    struct PourAnimation {
        static constexpr int FrameWidth = 356;
        static constexpr int FrameHeight = 240;
        static constexpr int Frames = 8;
        static constexpr int FrameMs = 120;
        const GLTexture* texture = nullptr;
        int frame = 0;
        int clock = 0;
        void advance(int elapsedMs);
        void draw(Graphics& graphics, int x, int y, const Color& color, bool mirrored) const;
    };

    MG_Screen2(std::string configFile, int musicSceneId);
    ~MG_Screen2() override;

    void onStart() override;
    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void drawForeground(Graphics& graphics) override;
    void onUpdate(int elapsedMs) override;
    void buttonEvent(int id, int code) override;
    void onDialogClosed(int dialogId, int result) override;
    PlayerMove suggestMove() override;

    bool isSolved() const { return solved_; }
    bool isFlooding() const { return flood_ != nullptr; }
    int level() const { return level_; }
    const std::vector<MyClickableImageWidget*>& pieces() const { return pieces_; }
    ClickableImageWidget* tap() const { return tap_; }
    bool piecesRight() const;
    static bool pieceRight(const MyClickableImageWidget& piece);

private:
    void readFile();
    void solve();
    void startFlood();
    void drain();

    bool solved_ = false;
    std::string configFile_;
    int numberOfConfigurations_ = -1;
    std::vector<MyClickableImageWidget*> pieces_;
    std::vector<int> expected_;
    ClickableImageWidget* tap_ = nullptr;
    std::unique_ptr<lux::Action> flood_;
    int level_ = 768;
    int alpha_ = 255;
    int foamX_ = 0;
    ClippedImageWidget* beer_ = nullptr;
    ClippedImageWidget* foamA_ = nullptr;
    ClippedImageWidget* foamB_ = nullptr;
    PourAnimation pour_;
    bool triedTap_ = false;
};
