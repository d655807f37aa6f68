// Dropdown: a button showing the chosen one of its options, opening a list of them to choose from.
#pragma once

#include "trellis/gui/Button.h"

#include <string>
#include <vector>

namespace trellis {

class DropdownList;
class DropdownOption;

// A raised button with the chosen option's text and a down arrow; skinned as "dropdown". Its
// options are its DropdownOption children, oldest first. A click, Enter or Space opens the list
// over everything; Up and Down choose the previous or next option while it is shut and move the
// highlight while it is open; Enter takes the highlighted option, Escape or a click outside
// shuts it. changeCallback ("onChange") fires at each change of the choice.
class Dropdown : public Button {
public:
    // No options, nothing chosen, shut.
    Dropdown(const char* name, GuiElement* parent, float x, float y, float width, float height);
    ~Dropdown() override;  // the list is hidden and left to the root

    void draw() override;                     // the button, arrow and focus frame
    bool record(DrawRecorder& out) override;  // the same, for a plain Dropdown
    void loadAttributes(const AttributeSource& element) override;  // adds onChange
    void applySkin(SkinStore& store) override;  // adds arrowColor, highlightColor, focusColor
    void onClick(int button) override;          // left: opens or shuts the list
    bool onKeyDown(int key) override;           // see the class comment
    bool isFocusable() const override { return true; }

    std::vector<DropdownOption*> options() const;  // the options, oldest first
    // Chooses option index (clamped into range; nothing without options), showing its text;
    // fires changeCallback when notify and the choice changed.
    void choose(int index, bool notify);
    void open();           // shows the list below the button (above it where there is no room)
    void close();          // shuts the list
    bool isOpen() const;   // whether the list is shown
    int highlighted = -1;  // the option the keys point at while the list is open

    int chosen = -1;   // the chosen option; -1: none
    Color arrowColor;  // the arrow mark; the font colour unless the skin gives one
    Color highlightColor{{120, 170, 240, 255}};  // the highlighted row in the list
    Color focusColor;                            // the focus frame
    Callback changeCallback;                     // fired at each change of the choice
    bool selectionGiven = false;                 // an option of the file said selected="1"

private:
    friend class DropdownList;
    void describe(DrawRecorder& out);
    DropdownList* list = nullptr;  // made at the first open, hidden while shut
};

// One option of a Dropdown: an element that is never drawn nor hit, holding the option's text.
// From a file: "text" and "selected" (the option chosen at the start).
class DropdownOption : public GuiElement {
public:
    // An option of parent (a Dropdown; under anything else it is only an empty element).
    DropdownOption(const char* name, GuiElement* parent, const char* text);

    // Adds text and selected; an option that is not in a dropdown, and a second selected one,
    // are reported.
    void loadAttributes(const AttributeSource& element) override;

    std::string text;  // what the dropdown shows for it
};

}  // namespace trellis
