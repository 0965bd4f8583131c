#pragma once

#include "engine/ui/Widget.h"

#include <string>
#include <vector>

class Font;
class GLTexture;

// Told which row a list selected (-1: none).
class SimpleTextListListener {
public:
    virtual ~SimpleTextListListener() = default;
    virtual void onItemSelected(int listId, int index) = 0;
};

// A scrolling list of strings with at most one selected row. A click selects
// the row under it; selecting a row outside the visible ones scrolls to it.
class SimpleTextListWidget : public Widget {
public:
    enum Align { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };
    // The list's width (and so its rows') once a font is set.
    static constexpr int ListWidth = 220;

    // Uses the application's FONT_CheltenhamBT20.
    explicit SimpleTextListWidget(SimpleTextListListener* listener, int listId = 0);
    SimpleTextListWidget(SimpleTextListListener* listener, int listId, const Font* font);

    void render(Graphics& graphics, ScreenBase* screen) override;
    void mousePressed(const MouseEvent& event) override;

    // Selects a row and tells the listener; any index outside the list clears
    // the selection without telling anyone.
    void select(int index);
    int selected() const { return selected_; }
    // Appends; returns the new number of items.
    int addItem(const std::string& text);
    void setItem(int index, const std::string& text);
    // The item, or an empty text outside the list.
    std::string getItem(int index) const;
    int itemCount() const { return int(items_.size()); }
    void removeItem(int index);

    // Lays the list out again as construction does: as many rows as fit 146
    // pixels, 220 pixels wide.
    void setFont(const Font* font);
    const Font* font() const { return font_; }
    // Also makes the widget as tall as the rows.
    void setVisibleRows(int rows);
    int visibleRows() const { return visibleRows_; }
    int top() const { return top_; }
    void setListener(SimpleTextListListener* listener) { listener_ = listener; }
    void setListId(int id) { listId_ = id; }
    int listId() const { return listId_; }
    void setAlign(int align) { align_ = align; }
    int align() const { return align_; }
    void setLineSpacing(int spacing) { lineSpacing_ = spacing; }
    int lineSpacing() const { return lineSpacing_; }
    // Where row backgrounds are drawn, relative to each row.
    void setRowOffset(int x, int y) {
        rowX_ = x;
        rowY_ = y;
    }
    void setHighlightColour(const Color& colour) { highlightColour_ = colour; }
    const Color& highlightColour() const { return highlightColour_; }
    void setRowTexture(const GLTexture* texture) { rowTexture_ = texture; }
    void setSelectedRowTexture(const GLTexture* texture) { selectedRowTexture_ = texture; }

private:
    int lineHeight() const;
    // Scrolls up when rows past the end of the list would show.
    void keepRowsFilled();

    SimpleTextListListener* listener_;
    const Font* font_;
    int align_ = AlignCentre;
    int listId_;
    int lineSpacing_ = 0;
    int visibleRows_ = 0;
    int rowX_ = 0;
    int rowY_ = 0;
    std::vector<std::string> items_;
    int selected_ = -1;
    int top_ = 0;
    Color highlightColour_ = Color(127, 100, 100, 127);
    const GLTexture* rowTexture_ = nullptr;
    const GLTexture* selectedRowTexture_ = nullptr;
};
