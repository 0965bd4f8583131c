#include "engine/ui/SimpleTextListWidget.h"

#include "engine/graphics/Font.h"
#include "engine/graphics/Graphics.h"
#include "engine/ui/DefaultResources.h"

#include <algorithm>

namespace {
constexpr int ListHeight = 146;
} // namespace

SimpleTextListWidget::SimpleTextListWidget(SimpleTextListListener* listener, int listId)
    : SimpleTextListWidget(listener, listId, applicationFont("FONT_CheltenhamBT20")) {}

SimpleTextListWidget::SimpleTextListWidget(SimpleTextListListener* listener, int listId,
                                           const Font* font)
    : listener_(listener), font_(nullptr), listId_(listId) {
    setFont(font);
}

int SimpleTextListWidget::lineHeight() const {
    return font_ ? font_->lineHeight() : 0;
}

void SimpleTextListWidget::setFont(const Font* font) {
    font_ = font;
    const int line = lineHeight();
    visibleRows_ = line > 0 ? ListHeight / line : 0;
    setSize(ListWidth, visibleRows_ * line);
}

void SimpleTextListWidget::setVisibleRows(int rows) {
    visibleRows_ = std::max(rows, 0);
    setSize(width(), visibleRows_ * lineHeight());
}

void SimpleTextListWidget::select(int index) {
    if (index < 0 || index >= itemCount()) {
        selected_ = -1;
        return;
    }
    selected_ = index;
    // A list without rows still scrolls as if it showed one.
    const int rows = std::max(visibleRows_, 1);
    if (index < top_) {
        top_ = index;
    }
    if (index > top_ + rows - 1) {
        top_ = index - rows + 1;
    }
    if (listener_) {
        listener_->onItemSelected(listId_, index);
    }
}

void SimpleTextListWidget::mousePressed(const MouseEvent& event) {
    const int step = lineHeight() + lineSpacing_;
    if (step <= 0) {
        return;
    }
    const int row = (event.y - y()) / step + top_;
    if (row >= 0 && row < itemCount()) {
        select(row);
    }
}

int SimpleTextListWidget::addItem(const std::string& text) {
    items_.push_back(text);
    return itemCount();
}

void SimpleTextListWidget::setItem(int index, const std::string& text) {
    if (index >= 0 && index < itemCount()) {
        items_[std::size_t(index)] = text;
    }
}

std::string SimpleTextListWidget::getItem(int index) const {
    if (index < 0 || index >= itemCount()) {
        return std::string();
    }
    return items_[std::size_t(index)];
}

void SimpleTextListWidget::removeItem(int index) {
    if (index < 0 || index >= itemCount()) {
        return;
    }
    if (index < selected_ || (index == selected_ && index == itemCount() - 1)) {
        --selected_;
    }
    items_.erase(items_.begin() + index);
    keepRowsFilled();
    if (listener_) {
        listener_->onItemSelected(listId_, selected_);
    }
}

void SimpleTextListWidget::keepRowsFilled() {
    top_ = std::max(0, std::min(top_, itemCount() - std::max(visibleRows_, 1)));
}

void SimpleTextListWidget::render(Graphics& graphics, ScreenBase*) {
    const int line = lineHeight();
    const int last = std::min(top_ + visibleRows_, itemCount());
    int rowTop = 0;
    for (int row = top_; row < last; ++row, rowTop += line + lineSpacing_) {
        if (row == selected_) {
            if (selectedRowTexture_) {
                graphics.drawTexture(rowX_, rowY_ + rowTop, selectedRowTexture_, Color());
            } else {
                graphics.fillRect(rowX_, rowY_ + rowTop, width(), line, highlightColour_);
            }
        } else if (rowTexture_) {
            graphics.drawTexture(rowX_, rowY_ + rowTop, rowTexture_, Color());
        }
        if (!font_) {
            continue;
        }
        const std::string& text = items_[std::size_t(row)];
        int textX = 0;
        if (align_ == AlignCentre) {
            textX = (width() - font_->textWidth(text)) / 2;
        } else if (align_ == AlignRight) {
            textX = width() - font_->textWidth(text);
        }
        font_->drawText(graphics, textX, rowTop, text, Color(255, 255, 255, 255));
    }
}
