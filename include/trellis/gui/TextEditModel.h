// TextEditModel: the editing state of one line of text (its characters, the caret, the
// selection and a length limit) and the edits a text field makes on it. It knows nothing of
// drawing, fonts or input events.
#pragma once

#include "trellis/gui/Utf8Text.h"

#include <cstddef>
#include <functional>
#include <string>

namespace trellis {

// One line of editable UTF-8 text. It only ever holds well-formed characters that its character
// test accepts. Positions are byte offsets, and the caret only ever stands between the clusters a
// reader sees as one character (a letter and its combining marks, an emoji sequence).
class TextEditModel {
public:
    // Whether a Unicode code point may enter the text.
    using CharacterTest = std::function<bool(unsigned int codepoint)>;

    // accepts decides which characters may be typed or pasted; an empty test takes every
    // character isTextCharacter allows.
    explicit TextEditModel(CharacterTest accepts = {});

    const std::string& text() const { return value; }          // the whole text
    size_t caret() const { return caretAt; }                   // caret byte, 0 to the text's size
    size_t anchor() const { return anchorAt; }                 // the selection's other end
    bool hasSelection() const { return caretAt != anchorAt; }  // caret and anchor differ
    size_t selectionStart() const;                             // the smaller of caret and anchor
    size_t selectionEnd() const;                               // the larger of caret and anchor
    std::string selectedText() const;                          // the selected characters
    size_t maxLength() const { return limit; }                 // in characters; 0: no limit
    size_t length() const { return characters; }               // the characters of the text

    // One change of the text: removed bytes from start were replaced by inserted ones.
    struct Change {
        size_t start = 0, removed = 0, inserted = 0;
    };
    // Counts the changes of the text: every call that changes it adds one; the others none.
    size_t revision() const { return changes; }
    // The change that made the current revision, so that a view of the text can follow it.
    const Change& lastChange() const { return last; }

    // Replaces the text by the accepted characters of utf8, cut to the limit; caret at the end,
    // nothing selected.
    void setText(const std::string& utf8);

    // Sets the limit (0 for none), cutting the text to it.
    void setMaxLength(size_t length);

    // Replaces the selection (or inserts at the caret) with the accepted characters of utf8,
    // cut to the room the limit leaves; the caret ends after them. Changes nothing when no
    // character is left to insert. True when the text changed.
    bool insert(const std::string& utf8);

    // Inserts one typed character; a character the test refuses changes nothing. True when the
    // text changed.
    bool typeCharacter(unsigned int codepoint);

    // Deletes the selection, or the cluster before the caret. True when the text changed.
    bool backspace();

    // Deletes the selection, or the cluster after the caret. True when the text changed.
    bool deleteForward();

    // Deletes the selection. True when the text changed.
    bool deleteSelection();

    // Moves the caret to position (clamped to the text, and back to the start of the cluster it
    // falls in); extend keeps the anchor and so extends the selection, otherwise nothing stays
    // selected.
    void moveTo(size_t position, bool extend);

    // One cluster left or right; without extend a selection collapses to its start or end.
    void moveLeft(bool extend);
    void moveRight(bool extend);

    // To the start or the end of the text.
    void moveHome(bool extend) { moveTo(0, extend); }
    void moveEnd(bool extend) { moveTo(value.size(), extend); }

    // Selects the whole text, the caret at the end.
    void selectAll();

private:
    std::string accepted(const std::string& utf8) const;  // the characters that may enter
    void replace(size_t start, size_t removed, const std::string& piece);  // one change, counted
    void cutToLimit();  // drops what lies past the limit

    CharacterTest accepts;
    std::string value;
    size_t caretAt = 0, anchorAt = 0;
    size_t limit = 0;
    size_t characters = 0;  // code points in value
    size_t changes = 0;
    Change last;
};

}  // namespace trellis
