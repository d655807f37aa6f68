// TextField: one line of editable text with a caret and a selection, scrolled sideways so the
// caret stays in view, with copy, cut and paste through the clipboard.
#pragma once

#include "trellis/gui/PrefixWidths.h"
#include "trellis/gui/TextEditModel.h"
#include "trellis/gui/TextElement.h"

namespace trellis {

// An editable line of text; skinned as "textfield". Takes the keyboard focus by click or Tab.
class TextField : public TextElement {
public:
    // Like TextElement's constructor with an empty text, then skinned as "textfield".
    TextField(const char* name, GuiElement* parent, float x, float y, float width, float height);

    void draw() override;  // the quad and frame, then the clipped selection, text and caret
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain TextField
    void loadAttributes(const AttributeSource& element) override;  // text, maxLength, callbacks
    void applySkin(SkinStore& store) override;     // adds caret, selection, frame and focus colours
    void onMouseDown(int button) override;         // left: caret to the pointer (Shift extends)
    void onMouseDrag(float x, float y) override;   // selects from the press to the pointer
    bool onKeyDown(int key) override;              // editing keys; takes every key but Tab
    bool onKeyUp(int key) override;                // takes every key but Tab
    bool onChar(unsigned int codepoint) override;  // types it, if it is a text character
    bool isFocusable() const override { return true; }

    // Replaces the text (cut to maxLength, controls and malformed UTF-8 left out), caret at the
    // end; fires changeCallback when the text differs.
    void setText(const std::string& newText);

    // Sets the length limit in characters (0: none), cutting the text to it.
    void setMaxLength(size_t length);

    // The text position nearest to x, in the field's own coordinates.
    size_t positionAt(float x);

    TextEditModel edit;                          // text, caret and selection; text mirrors it
    Callback changeCallback;                     // fired after every change of the text
    Callback submitCallback;                     // fired by Enter
    Color caretColor{{0, 0, 0, 255}};            // the caret bar
    Color selectionColor{{120, 170, 240, 255}};  // behind selected text
    Color frameColor{{110, 110, 110, 255}};      // the one-pixel frame inside the edge
    Color focusColor;                            // the focus frame
    float scrollX = 0;                           // how far the text is scrolled left
    bool password = false;    // shows a star for each character and refuses to copy or cut
    std::string placeholder;  // shown dim while the text is empty and the field unfocused

protected:
    void describe(DrawRecorder& out);  // the look, for draw and record alike
    // How much of the field's right end the text keeps clear of, besides the frame (a
    // spinbox's arrows): none.
    virtual float reservedRight() const;

private:
    // How far right of the inset the text starts: by hAlign while it fits the room, else 0.
    float alignShift();
    PrefixWidths offsets;                             // caretOffsets' last answer
    size_t offsetsRevision = 0;                       // the text's revision it was measured for
    float inset() const;                              // the room between the frame and the text
    void adoptOutsideText();                          // takes up a text the application assigned
    const PrefixWidths& caretOffsets();               // x of each text position, unscrolled
    void keepCaretVisible();                          // scrolls so that the caret is inside
    void afterEdit(size_t revisionBefore);            // mirrors, scrolls and fires changeCallback
    bool editKey(int key, bool shift, bool control);  // one editing key; false if not one
};

// The longest limit a file may set.
constexpr float kMaxTextLength = 1000000;

// Whether the font in use (the TrueType chain, else the texture font) draws codepoint as a
// character of its own; without any font, whether it is printable ASCII. A text field takes characters the font lacks all the same.
bool fontDrawsCharacter(unsigned int codepoint);

}  // namespace trellis
