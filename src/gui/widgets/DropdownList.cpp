// The open list of a dropdown: where it goes, its rows, and presses on it.
#include "trellis/gui/DropdownList.h"

#include "trellis/gui/Dropdown.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/ScrollBarShape.h"

#include <algorithm>
#include <cmath>

namespace trellis {

DropdownList::DropdownList(Dropdown* owner)
    : GuiElement("", rootElement, 0, 0, 1, 1), owner(owner) {
    skinClass = "dropdown";
    visible = false;
}

DropdownList::~DropdownList() {
    if (owner)
        owner->list = nullptr;
}

namespace {

constexpr int kRowsPerNotch = 3;

}  // namespace

int DropdownList::optionCount() const {
    return owner ? int(owner->options().size()) : 0;
}

void DropdownList::showBelowOwner() {
    if (!owner || !rootElement)
        return;
    setRect(0, 0, layoutAreaWidth(), layoutAreaHeight());
    float ownerX = 0, ownerY = 0;
    elementScreenPosition(owner, ownerX, ownerY);
    rowHeight = owner->height;
    boxX = ownerX;
    boxWidth = owner->width;
    const int count = optionCount();
    // Below the dropdown, else above it where all fit; failing both, on the roomier side with
    // as many rows as fit there (at least one), scrolled.
    const float below = height - (ownerY + owner->height), above = ownerY;
    const auto rowsIn = [&](float room) {
        return rowHeight > 0 ? std::max(1, std::min(count, int(std::floor(room / rowHeight))))
                             : count;
    };
    const bool down = rowsIn(below) == count || (rowsIn(above) < count && below >= above);
    shownRows = rowsIn(down ? below : above);
    const float boxHeight = rowHeight * float(shownRows);
    boxY = down ? ownerY + owner->height : std::max(0.0f, ownerY - boxHeight);
    firstRow = 0;
    keepInView(owner->highlighted);
    // The newest child of the root, drawn over everything.
    if (parent)
        parent->removeChild(this);
    rootElement->addChild(this);
    visible = true;
}

void DropdownList::scrollTo(int row) {
    firstRow = std::max(0, std::min(row, optionCount() - shownRows));
}

void DropdownList::keepInView(int row) {
    if (row < 0)
        return;
    if (row < firstRow)
        scrollTo(row);
    else if (row >= firstRow + shownRows)
        scrollTo(row - shownRows + 1);
}

float DropdownList::barLeft() const {
    const bool scrolls = optionCount() > shownRows;
    return boxX + boxWidth - (scrolls ? std::max(snapToPixel(rowHeight * 0.4f), pixelSize) : 0);
}

bool DropdownList::onBar(float atX, float atY) const {
    return atX >= barLeft() && atX < boxX + boxWidth && atY >= boxY &&
           atY < boxY + rowHeight * float(shownRows);
}

int DropdownList::rowAt(float atX, float atY) const {
    if (!owner || rowHeight <= 0 || atX < boxX || atX >= barLeft() || atY < boxY)
        return -1;
    const int shown = int(std::floor((atY - boxY) / rowHeight));
    return shown < shownRows && firstRow + shown < optionCount() ? firstRow + shown : -1;
}

void DropdownList::onMouseDown(int button) {
    GuiElement::onMouseDown(button);
    if (!owner)
        return;
    const float atX = pointerX - x, atY = pointerY - y;
    if (button == 0 && onBar(atX, atY)) {
        // A page toward the press, the list kept open.
        const float thumbMiddle =
            boxY + rowHeight * shownRows * (firstRow + shownRows * 0.5f) / float(optionCount());
        scrollTo(firstRow + (atY < thumbMiddle ? -shownRows : shownRows));
        return;
    }
    const int row = button == 0 ? rowAt(atX, atY) : -1;
    if (row >= 0)
        owner->choose(row, true);
    owner->close();
    // The keys go back to the dropdown.
    focusElement = owner;
}

bool DropdownList::onScroll(float, float dy) {
    scrollTo(firstRow - int(std::lround(dy)) * kRowsPerNotch);
    return true;
}

void DropdownList::draw() {
    drawDescribed(&DropdownList::describe);
}

bool DropdownList::record(DrawRecorder& out) {
    return recordDescribed<DropdownList>(out, &DropdownList::describe, false);
}

void DropdownList::describe(DrawRecorder& out) {
    if (!owner)
        return;
    const std::vector<DropdownOption*> all = owner->options();
    const float boxHeight = rowHeight * float(shownRows);
    RecordedVertex quads[8];
    rectVertices(boxX, boxY, boxX + boxWidth, boxY + boxHeight, owner->bgColor, quads);
    int marked = rowAt(pointerX - x, pointerY - y);
    if (marked < 0)
        marked = owner->highlighted;
    int count = 4;
    if (marked >= firstRow && marked < firstRow + shownRows && marked < int(all.size())) {
        const float top = boxY + rowHeight * float(marked - firstRow);
        rectVertices(boxX, top, barLeft(), top + rowHeight, owner->highlightColor, quads + 4);
        count = 8;
    }
    out.quads(quads, count, false);
    const float inset = snapToPixel(owner->fontSize * 0.25f);
    const int last = std::min(int(all.size()), firstRow + shownRows);
    for (int i = firstRow; i < last; ++i) {
        const float top = boxY + rowHeight * float(i - firstRow);
        out.text(all[size_t(i)]->text.c_str(), boxX + inset,
                 top + snapToPixel((rowHeight - owner->fontSize) * 0.5f), owner->fontSize,
                 owner->fontColor);
    }
    if (int(all.size()) > shownRows) {
        const float thumb = scrollThumbLength(boxHeight, rowHeight * float(all.size()), rowHeight);
        const float range = rowHeight * float(int(all.size()) - shownRows);
        // The bar in the font's colour over a shade of the face: the dropdown's own colours.
        recordScrollBar(out, barLeft(), boxX + boxWidth, boxHeight,
                        scrollThumbTop(boxHeight, thumb, rowHeight * float(firstRow), range), thumb,
                        scaleColor(owner->bgColor, 0.8f), owner->fontColor, boxY);
    }
    recordInnerFrame(out, boxWidth, boxHeight, scaleColor(owner->bgColor, 0.6f), boxX, boxY);
}

}  // namespace trellis
