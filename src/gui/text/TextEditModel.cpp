// The editing model of one line of text: filtering, the length limit, caret and selection.
#include "trellis/gui/TextEditModel.h"

#include "gui/text/GraphemeBreaks.h"

#include <algorithm>

namespace trellis {

namespace {

// The byte offset after the first count characters of utf8 from byte from, or its size.
size_t afterCharacters(const std::string& utf8, size_t from, size_t count) {
    size_t at = from, length = 0;
    for (; at < utf8.size() && count > 0; at += length, --count)
        decodeUtf8(utf8, at, length);
    return std::min(at, utf8.size());
}

}  // namespace

TextEditModel::TextEditModel(CharacterTest accepts) : accepts(std::move(accepts)) {
    if (!this->accepts)
        this->accepts = isTextCharacter;
}

size_t TextEditModel::selectionStart() const {
    return std::min(caretAt, anchorAt);
}

size_t TextEditModel::selectionEnd() const {
    return std::max(caretAt, anchorAt);
}

std::string TextEditModel::selectedText() const {
    return value.substr(selectionStart(), selectionEnd() - selectionStart());
}

std::string TextEditModel::accepted(const std::string& utf8) const {
    std::string kept;
    for (size_t i = 0, length = 0; i < utf8.size(); i += length) {
        bool valid = false;
        const unsigned int codepoint = decodeUtf8(utf8, i, length, &valid);
        // Malformed bytes never enter: the text stays well-formed UTF-8.
        if (valid && accepts(codepoint))
            kept.append(utf8, i, length);
    }
    return kept;
}

void TextEditModel::replace(size_t start, size_t removed, const std::string& piece) {
    characters += countCharacters(piece);
    characters -= countCharacters(value, start, start + removed);
    value.replace(start, removed, piece);
    last = {start, removed, piece.size()};
    ++changes;
}

void TextEditModel::cutToLimit() {
    if (limit && characters > limit) {
        const size_t end = afterCharacters(value, 0, limit);
        replace(end, value.size() - end, {});
    }
}

void TextEditModel::setText(const std::string& utf8) {
    std::string kept = accepted(utf8);
    if (limit)
        kept.resize(afterCharacters(kept, 0, limit));
    if (kept != value)
        replace(0, value.size(), kept);
    caretAt = anchorAt = value.size();
}

void TextEditModel::setMaxLength(size_t length) {
    limit = length;
    cutToLimit();
    caretAt = std::min(caretAt, value.size());
    anchorAt = std::min(anchorAt, value.size());
}

bool TextEditModel::insert(const std::string& utf8) {
    std::string piece = accepted(utf8);
    const size_t start = selectionStart(), selected = selectionEnd() - start;
    if (limit) {
        const size_t room = limit - (characters - countCharacters(value, start, start + selected));
        piece.resize(afterCharacters(piece, 0, room));
    }
    if (piece.empty())
        return false;
    caretAt = anchorAt = start + piece.size();
    // Typing over a selection with the same characters leaves the text as it was.
    if (value.compare(start, selected, piece) == 0)
        return false;
    replace(start, selected, piece);
    return true;
}

bool TextEditModel::typeCharacter(unsigned int codepoint) {
    if (codepoint > 0x10FFFF || !accepts(codepoint))
        return false;
    std::string utf8;
    appendUtf8(utf8, codepoint);
    return insert(utf8);
}

bool TextEditModel::deleteSelection() {
    if (!hasSelection())
        return false;
    const size_t start = selectionStart();
    replace(start, selectionEnd() - start, {});
    caretAt = anchorAt = start;
    return true;
}

bool TextEditModel::backspace() {
    if (hasSelection())
        return deleteSelection();
    if (caretAt == 0)
        return false;
    const size_t start = GraphemeBreaks(value).previous(caretAt);
    replace(start, caretAt - start, {});
    caretAt = anchorAt = start;
    return true;
}

bool TextEditModel::deleteForward() {
    if (hasSelection())
        return deleteSelection();
    if (caretAt >= value.size())
        return false;
    replace(caretAt, GraphemeBreaks(value).next(caretAt) - caretAt, {});
    return true;
}

void TextEditModel::moveTo(size_t position, bool extend) {
    const GraphemeBreaks clusters(value);
    caretAt = std::min(position, value.size());
    if (!clusters.isBoundary(caretAt))
        caretAt = clusters.previous(caretAt);
    if (!extend)
        anchorAt = caretAt;
}

void TextEditModel::moveLeft(bool extend) {
    if (hasSelection() && !extend)
        return moveTo(selectionStart(), false);
    moveTo(GraphemeBreaks(value).previous(caretAt), extend);
}

void TextEditModel::moveRight(bool extend) {
    if (hasSelection() && !extend)
        return moveTo(selectionEnd(), false);
    moveTo(GraphemeBreaks(value).next(caretAt), extend);
}

void TextEditModel::selectAll() {
    anchorAt = 0;
    caretAt = value.size();
}

}  // namespace trellis
