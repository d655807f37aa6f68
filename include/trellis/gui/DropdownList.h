// DropdownList: the open list of a Dropdown's options, over everything else.
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

class Dropdown;

// The root's newest child while shown, covering the whole layout area so that a press anywhere
// reaches it: on a row it chooses that option, elsewhere it only shuts the list. Draws just the
// box of rows, the row under the pointer (or else the highlighted one) marked. When the options
// do not fit on the interface the box shows as many rows as fit, scrolled by the wheel (three
// rows a notch), by presses on its scroll bar (a page) and by the keys' highlight.
class DropdownList : public GuiElement {
public:
    explicit DropdownList(Dropdown* owner);  // hidden; its owner shows it
    ~DropdownList() override;                // its owner forgets it

    void draw() override;                                       // the box of rows
    bool record(DrawRecorder& out) override;                    // the same, for a plain list
    bool containsPoint(float, float) override { return true; }  // everywhere
    // Left: a row chooses, the scroll bar pages; any other press shuts the list.
    void onMouseDown(int button) override;
    bool onScroll(float dx, float dy) override;  // scrolls the rows; taken while shown

    // Places the box under (or above) the owner and shows the list as the root's newest child.
    void showBelowOwner();
    int rowAt(float x, float y) const;  // the row at root coordinates (x, y); -1 outside
    void scrollTo(int row);             // the first row shown, kept within the options
    void keepInView(int row);           // scrolls just far enough to show row

    Dropdown* owner;                         // null once the dropdown is gone
    float boxX = 0, boxY = 0, boxWidth = 0;  // the box of rows, root coordinates
    float rowHeight = 0;                     // one row
    int firstRow = 0;                        // the first row shown
    int shownRows = 0;                       // how many rows the box shows

private:
    void describe(DrawRecorder& out);
    int optionCount() const;  // the owner's options
    float barLeft() const;    // where the scroll bar begins, root x; the box's end without
    bool onBar(float x, float y) const;  // whether root (x, y) is on the scroll bar
};

}  // namespace trellis
