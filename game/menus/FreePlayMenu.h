#pragma once

#include "game/GameFlow.h"

#include "engine/ui/ScreenBase.h"
#include "engine/ui/WidgetListeners.h"

#include <array>
#include <string>
#include <vector>

class ClickableImageWidget;
class GLTexture;
class QuillButton;
class TextLabel;

// The hidden-object scenes of the game flow up to the profile's place in it
// (all of them once the game is finished), six to a page. A picked scene is
// played again over the menu in free play: nothing of it is kept, and the
// story's place does not move.
class FreePlayMenu : public ScreenBase, public QuillButtonListener {
public:
    enum ButtonId { MenuId = 0, PreviousId = 7, NextId = 8 };
    static constexpr int SlotsPerPage = 6;
    static constexpr int SlotWidth = 200;
    static constexpr int SlotHeight = 150;
    static constexpr const char* FilePath = "content/config/FreeplayMenu.xml";

    explicit FreePlayMenu(std::string context);
    ~FreePlayMenu() override;

    // The `ho_scene` entries before the position (all when finished); a scene
    // listed again right after itself (the same `name`) is offered once.
    static std::vector<const GameFlow::Entry*> offeredScenes(const GameFlow& flow, bool finished);

    void onStart() override;
    void createWidgets() override;
    void drawBackground(Graphics& graphics) override;
    const GLTexture* backdrop() const override;
    void drawForeground(Graphics& graphics) override;
    void onClosed(int exitCode) override;
    void onUncovered(GameApp& app) override;
    void buttonEvent(int id, int code) override;
    // Replays the first offered scene once per run, then back to the main menu.
    PlayerMove suggestMove() override;

    int currentPage() const { return currentPage_; }
    int pageCount() const { return pageCount_; }
    std::size_t offeredCount() const { return scenes_.size(); }
    ClickableImageWidget* slot(int index) const;
    TextLabel* slotName(int index) const;
    QuillButton* button(int id) const;
    const std::string& context() const { return context_; }
    // "1 / 2"
    std::string pageText() const;

    // Scenes the automated player has replayed in free play this run.
    static int replaysThisRun();
    static void resetReplays();

private:
    void readFile();
    void fillPage();
    void updatePageButtons();
    void playSlot(int slotIndex);

    std::string context_;
    int currentPage_ = 1;
    int pageCount_ = 1;
    std::vector<const GameFlow::Entry*> scenes_;
    std::vector<const GLTexture*> thumbnails_;
    std::vector<std::string> sceneNames_;
    const GLTexture* frame_ = nullptr;
    int frameOffsetX_ = -1;
    int frameOffsetY_ = -1;
    std::array<ClickableImageWidget*, SlotsPerPage> slots_{};
    std::array<TextLabel*, SlotsPerPage> names_{};
    QuillButton* menuButton_ = nullptr;
    QuillButton* previousButton_ = nullptr;
    QuillButton* nextButton_ = nullptr;
    bool scenePlaying_ = false;
};
