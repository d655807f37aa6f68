// The open list of a dropdown: where it goes, its rows, and presses on it.
#include "trellis/gui/DropdownList.h"

#include "trellis/gui/Dropdown.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

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

void DropdownList::showBelowOwner() {
    if (!owner || !rootElement)
        return;
    setRect(0, 0, layoutAreaWidth(), layoutAreaHeight());
    float ownerX = 0, ownerY = 0;
    elementScreenPosition(owner, ownerX, ownerY);
    rowHeight = owner->height;
    boxX = ownerX;
    boxWidth = owner->width;
    const float boxHeight = rowHeight * float(owner->options().size());
    boxY = ownerY + owner->height;
    // Above the dropdown when it would leave the bottom, and never off the top.
    if (boxY + boxHeight > height)
        boxY = std::max(0.0f, ownerY - boxHeight);
    // The newest child of the root, drawn over everything.
    if (parent)
        parent->removeChild(this);
    rootElement->addChild(this);
    visible = true;
}

int DropdownList::rowAt(float atX, float atY) const {
    if (!owner || rowHeight <= 0 || atX < boxX || atX >= boxX + boxWidth || atY < boxY)
        return -1;
    const int row = int(std::floor((atY - boxY) / rowHeight));
    return row < int(owner->options().size()) ? row : -1;
}

void DropdownList::onMouseDown(int button) {
    GuiElement::onMouseDown(button);
    if (!owner)
        return;
    const int row = button == 0 ? rowAt(pointerX - x, pointerY - y) : -1;
    if (row >= 0)
        owner->choose(row, true);
    owner->close();
    // The keys go back to the dropdown.
    focusElement = owner;
}

void DropdownList::draw() {
    ImmediateRecorder now;
    describe(now);
}

bool DropdownList::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(DropdownList))
        return false;
    describe(out);
    return true;
}

void DropdownList::describe(DrawRecorder& out) {
    if (!owner)
        return;
    const std::vector<DropdownOption*> all = owner->options();
    const float boxHeight = rowHeight * float(all.size());
    RecordedVertex quads[8];
    rectVertices(boxX, boxY, boxX + boxWidth, boxY + boxHeight, owner->bgColor, quads);
    int marked = rowAt(pointerX - x, pointerY - y);
    if (marked < 0)
        marked = owner->highlighted;
    int count = 4;
    if (marked >= 0 && marked < int(all.size())) {
        const float top = boxY + rowHeight * float(marked);
        rectVertices(boxX, top, boxX + boxWidth, top + rowHeight, owner->highlightColor, quads + 4);
        count = 8;
    }
    out.quads(quads, count, false);
    const float inset = snapToPixel(owner->fontSize * 0.25f);
    for (size_t i = 0; i < all.size(); ++i) {
        const float top = boxY + rowHeight * float(i);
        out.text(all[i]->text.c_str(), boxX + inset,
                 top + snapToPixel((rowHeight - owner->fontSize) * 0.5f), owner->fontSize,
                 owner->fontColor);
    }
    recordInnerFrame(out, boxWidth, boxHeight, scaleColor(owner->bgColor, 0.6f), boxX, boxY);
}

}  // namespace trellis
