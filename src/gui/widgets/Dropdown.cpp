// Dropdowns: the chosen option, the keys, and opening and shutting the list.
#include "trellis/gui/Dropdown.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/DropdownList.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>

namespace trellis {

Dropdown::Dropdown(const char* name, GuiElement* parent, float x, float y, float width,
                   float height)
    : Button(name, parent, "", x, y, width, height), focusColor(kDefaultFocusColor) {
    skinClass = "dropdown";
    Dropdown::applySkin(skinStore);
    hAlign = TextAlign::Start;
}

Dropdown::~Dropdown() {
    // The list is the root's child, not ours: deleting it here could free it twice while a
    // whole tree goes. Hidden and ownerless, it goes with the root.
    if (list) {
        list->owner = nullptr;
        list->visible = false;
    }
}

void Dropdown::applySkin(SkinStore& store) {
    Button::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    // Marked in the text's colour unless the skin says otherwise, so that it shows on any face.
    arrowColor = fontColor;
    applySkinColor(sections, "arrowColor", arrowColor);
    applySkinColor(sections, "highlightColor", highlightColor);
    applySkinColor(sections, "focusColor", focusColor);
}

void Dropdown::loadAttributes(const AttributeSource& element) {
    Button::loadAttributes(element);
    readCallbackAttribute(element, "onChange", changeCallback);
}

std::vector<DropdownOption*> Dropdown::options() const {
    std::vector<DropdownOption*> found;
    for (GuiElement* child : children.oldestFirst())
        if (auto* option = dynamic_cast<DropdownOption*>(child))
            found.push_back(option);
    return found;
}

void Dropdown::choose(int index, bool notify) {
    const std::vector<DropdownOption*> all = options();
    if (all.empty())
        return;
    index = std::clamp(index, 0, int(all.size()) - 1);
    const bool changed = index != chosen;
    chosen = highlighted = index;
    text = all[size_t(index)]->text;
    if (changed && notify)
        changeCallback.fire(this);
}

bool Dropdown::isOpen() const {
    return list && list->visible;
}

void Dropdown::open() {
    if (options().empty())
        return;
    if (!list)
        list = new DropdownList(this);
    highlighted = chosen;
    list->showBelowOwner();
}

void Dropdown::close() {
    if (list)
        list->visible = false;
}

void Dropdown::onClick(int button) {
    if (button == 0)
        isOpen() ? close() : open();
    Button::onClick(button);
}

bool Dropdown::onKeyDown(int key) {
    const int count = int(options().size());
    switch (key) {
    case kKeyUp:
    case kKeyDown: {
        const int step = key == kKeyUp ? -1 : 1;
        if (isOpen()) {
            highlighted = std::clamp(highlighted + step, 0, std::max(count - 1, 0));
            list->keepInView(highlighted);
        } else
            choose(chosen + step, true);
        return true;
    }
    case kKeyEnter:
    case kKeySpace:
        if (isOpen()) {
            choose(highlighted, true);
            close();
        } else {
            open();
        }
        return true;
    case kKeyEscape:
        if (!isOpen())
            return false;
        close();
        return true;
    case kKeyTab:
        close();
        return false;
    default:
        return false;
    }
}

void Dropdown::draw() {
    drawDescribed(&Dropdown::describe);
}

bool Dropdown::record(DrawRecorder& out) {
    return recordDescribed<Dropdown>(out, &Dropdown::describe, false);
}

void Dropdown::describe(DrawRecorder& out) {
    const StateLooks looks(*this);
    recordQuad(out);
    recordText(out);
    recordBevel(out);
    // A down arrow at the right end: a triangle, as a quad with its last corner doubled.
    const float r = std::max(snapToPixel(height * 0.18f), pixelSize);
    const float cx = width - snapToPixel(height * 0.5f), cy = height * 0.5f;
    const RecordedVertex arrow[4] = {{cx - r, cy - r * 0.5f, 0, 0, arrowColor},
                                     {cx, cy + r * 0.6f, 0, 0, arrowColor},
                                     {cx + r, cy - r * 0.5f, 0, 0, arrowColor},
                                     {cx + r, cy - r * 0.5f, 0, 0, arrowColor}};
    out.quads(arrow, 4, false);
    if (hasKeyboardFocus(this))
        recordFocusFrame(out, width, height, focusColor);
}

DropdownOption::DropdownOption(const char* name, GuiElement* parent, const char* optionText)
    : GuiElement(name, parent, 0, 0, 0, 0), text(optionText ? optionText : "") {
    visible = false;
}

void DropdownOption::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    visible = false;  // an option is shown only through its dropdown
    if (const char* given = textAttribute(element, "text"))
        text = given;
    auto* owner = dynamic_cast<Dropdown*>(parent);
    if (!owner) {
        element.reportValue("text", "an option outside a dropdown shows nowhere");
        return;
    }
    const std::vector<DropdownOption*> all = owner->options();
    const int index = int(std::find(all.begin(), all.end(), this) - all.begin());
    const bool selected = optInAttribute(element, "selected");
    if (selected && owner->selectionGiven)
        element.reportValue("selected", "another option of this dropdown is selected already; "
                                        "this one is kept");
    // The first option shows until a selected one comes.
    if (selected || owner->chosen < 0)
        owner->choose(index, false);
    owner->selectionGiven = owner->selectionGiven || selected;
}

}  // namespace trellis
