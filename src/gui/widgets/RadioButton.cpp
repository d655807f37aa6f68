// Radio buttons: groups, selection and moving the choice with the arrow keys.
#include "trellis/gui/RadioButton.h"

#include "state/KeptVariable.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"

#include <algorithm>

namespace trellis {

namespace {

std::vector<RadioButton*> liveRadios;
const bool perInterface = keepPerInterface(liveRadios);

std::vector<RadioButton*>& allRadios() {
    return liveRadios;
}

}  // namespace

RadioButton::RadioButton(const char* name, GuiElement* parent, const char* text, float x, float y,
                         float width, float height)
    : CheckBox(name, parent, text, x, y, width, height) {
    skinClass = "radio";
    CheckBox::applySkin(skinStore);
    allRadios().push_back(this);
}

RadioButton::~RadioButton() {
    auto& radios = allRadios();
    radios.erase(std::remove(radios.begin(), radios.end(), this), radios.end());
}

std::vector<RadioButton*> RadioButton::groupMembers(const std::string& name) {
    std::vector<RadioButton*> members;
    for (RadioButton* radio : allRadios())
        if (!name.empty() && radio->group == name)
            members.push_back(radio);
    return members;
}

void RadioButton::loadAttributes(const AttributeSource& element) {
    CheckBox::loadAttributes(element);
    const char* given = textAttribute(element, "group");
    if (!given || !*given) {
        element.reportValue("group", "is missing: this radio is a group by itself and can "
                                     "never be unchecked");
        return;
    }
    group = given;
    if (!checked)
        return;
    for (RadioButton* other : groupMembers(group))
        if (other != this && other->checked)
            element.reportValue("checked", "another radio of group \"" + group +
                                               "\" is checked already; this one is kept");
    uncheckOthers();
}

void RadioButton::uncheckOthers() {
    for (RadioButton* other : groupMembers(group))
        if (other != this)
            other->setChecked(false);
}

void RadioButton::select() {
    uncheckOthers();
    if (checked)
        return;
    setChecked(true);
    changeCallback.fire(this);
}

void RadioButton::onClick(int button) {
    if (button == 0)
        select();
    TextElement::onClick(button);
}

bool RadioButton::onKeyDown(int key) {
    if (key == kKeySpace) {
        select();
        return true;
    }
    const int direction = key == kKeyUp || key == kKeyLeft      ? -1
                          : key == kKeyDown || key == kKeyRight ? 1
                                                                : 0;
    if (direction == 0)
        return false;
    // The next member that can take the choice, wrapping around the group.
    std::vector<RadioButton*> members = groupMembers(group);
    const auto at = std::find(members.begin(), members.end(), this);
    if (at == members.end())
        return true;
    const int count = int(members.size()), here = int(at - members.begin());
    for (int step = 1; step < count; ++step) {
        RadioButton* next = members[(here + direction * step + count * step) % count];
        if (isShown(next) && takesInput(next)) {
            focusElement = next;
            next->select();
            break;
        }
    }
    return true;
}

int RadioButton::markVertices(float top, float s, RecordedVertex* out) const {
    const float cx = s * 0.5f, cy = top + s * 0.5f, r = s * 0.28f;
    out[0] = {cx, cy - r, 0, 0, checkColor};
    out[1] = {cx - r, cy, 0, 0, checkColor};
    out[2] = {cx, cy + r, 0, 0, checkColor};
    out[3] = {cx + r, cy, 0, 0, checkColor};
    return 4;
}

bool RadioButton::record(DrawRecorder& out) {
    return recordDescribed<RadioButton>(out, &RadioButton::describe, false);
}

}  // namespace trellis
