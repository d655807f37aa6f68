// CheckBox: a box with a check mark and a caption, toggled by a click or by Space while focused.
#pragma once

#include "trellis/gui/TextElement.h"

namespace trellis {

// A square box at the left of the element, filled with bgColor and bevelled in, with the check
// mark in checkColor when checked and the caption (the text) to its right; skinned as
// "checkbox". Tab stops here; the focus frame is drawn in focusColor.
class CheckBox : public TextElement {
public:
    // Like TextElement's constructor, then skinned as "checkbox"; unchecked.
    CheckBox(const char* name, GuiElement* parent, const char* text, float x, float y, float width,
             float height);

    void draw() override;  // the box, the mark when checked, the caption, the focus frame
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain CheckBox
    void loadAttributes(const AttributeSource& element) override;  // adds checked, onChange
    void applySkin(SkinStore& store) override;                     // adds checkColor and focusColor
    void onClick(int button) override;  // left: toggles; then the click callbacks
    bool onKeyDown(int key) override;   // Space toggles (consumed)
    bool isFocusable() const override;  // true
    float textRoom() const override;    // from the caption's left to the right edge

    // Sets the state without firing changeCallback.
    void setChecked(bool checked);
    // Flips the state and fires changeCallback.
    void toggle();
    // The box's side, in screen units: the font size, but no taller than the element.
    float boxSize() const;

    bool checked = false;              // whether the mark shows
    Color checkColor{{0, 0, 0, 255}};  // the check mark's colour
    Color focusColor;                  // the focus frame's colour
    Callback changeCallback;           // fired at every toggle

protected:
    void describe(DrawRecorder& out);  // the look, for draw and record alike
    // The mark of a checked box of side s whose top is at top, as GL_QUADS vertices into out
    // (at most 8); gives how many: a tick of two strokes.
    virtual int markVertices(float top, float s, RecordedVertex* out) const;

private:
    float captionLeft() const;  // where the caption starts, after the box
};

}  // namespace trellis
