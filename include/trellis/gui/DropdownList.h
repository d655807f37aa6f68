// DropdownList: the open list of a Dropdown's options, over everything else.
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

class Dropdown;

// The root's newest child while shown, covering the whole layout area so that a press anywhere
// reaches it: on a row it chooses that option, elsewhere it only shuts the list. Draws just the
// box of rows, the row under the pointer (or else the highlighted one) marked.
class DropdownList : public GuiElement {
public:
    explicit DropdownList(Dropdown* owner);  // hidden; its owner shows it
    ~DropdownList() override;                // its owner forgets it

    void draw() override;                                       // the box of rows
    bool record(DrawRecorder& out) override;                    // the same, for a plain list
    bool containsPoint(float, float) override { return true; }  // everywhere
    void onMouseDown(int button) override;  // left: a row chooses; any press shuts the list

    // Places the box under (or above) the owner and shows the list as the root's newest child.
    void showBelowOwner();
    int rowAt(float x, float y) const;  // the row at root coordinates (x, y); -1 outside

    Dropdown* owner;                         // null once the dropdown is gone
    float boxX = 0, boxY = 0, boxWidth = 0;  // the box of rows, root coordinates
    float rowHeight = 0;                     // one row

private:
    void describe(DrawRecorder& out);
};

}  // namespace trellis
