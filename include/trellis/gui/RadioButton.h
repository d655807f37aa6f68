// RadioButton: one choice of a group, of which at most one is checked.
#pragma once

#include "trellis/gui/CheckBox.h"

#include <vector>

namespace trellis {

// A check box whose mark is a dot and that belongs to the group its "group" names: checking it
// (click, Space) unchecks the others of the group; the arrow keys move the choice and the focus
// to the previous or next shown, enabled member. Skinned as "radio". changeCallback fires on the
// newly checked one only.
class RadioButton : public CheckBox {
public:
    // Like CheckBox's constructor, skinned as "radio", in no group.
    RadioButton(const char* name, GuiElement* parent, const char* text, float x, float y,
                float width, float height);
    ~RadioButton() override;  // leaves its group

    bool record(DrawRecorder& out) override;  // a plain RadioButton: CheckBox's look, a dot
    // Adds group; a radio without one is reported (a group by itself), and so is a second
    // checked one in a group (it is kept, the earlier one unchecked).
    void loadAttributes(const AttributeSource& element) override;
    void onClick(int button) override;  // left: selects; then the click callbacks
    bool onKeyDown(int key) override;   // Space selects; arrows move the choice

    // Checks this one and unchecks the rest of the group; fires changeCallback if it changed.
    void select();
    // The members of group, in the order they were built (document order for a file).
    static std::vector<RadioButton*> groupMembers(const std::string& group);

    std::string group;  // the group's name; empty: a group by itself

protected:
    int markVertices(float top, float s, RecordedVertex* out) const override;  // a diamond dot

private:
    void uncheckOthers();
};

}  // namespace trellis
