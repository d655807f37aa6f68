// The editing model of one line of text: filtering, the length limit, caret and selection.
#include "trellis/gui/TextEditModel.h"

#include <algorithm>

namespace trellis {

namespace {

constexpr unsigned int kReplacement = 0xFFFD;  // stands for a malformed UTF-8 byte

bool isPrintableAscii(unsigned int codepoint) {
    return codepoint >= 32 && codepoint < 127;
}

// The length of the UTF-8 sequence a lead byte opens, or 0 for a byte that opens none.
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead < 0xE0)
        return 2;
    if (lead >= 0xE0 && lead < 0xF0)
        return 3;
    if (lead >= 0xF0 && lead < 0xF5)
        return 4;
    return 0;
}

}  // namespace

void forEachCodepoint(const std::string& utf8, const std::function<void(unsigned int)>& each) {
    const size_t size = utf8.size();
    for (size_t i = 0; i < size;) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = sequenceLength(lead);
        // A sequence cut short or with a byte that does not continue it is one bad byte.
        bool whole = length != 0 && i + length <= size;
        unsigned int codepoint = length == 1 ? lead : lead & (0x7Fu >> length);
        for (size_t k = 1; whole && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            whole = (next & 0xC0) == 0x80;
            codepoint = (codepoint << 6) | (next & 0x3Fu);
        }
        if (!whole) {
            each(kReplacement);
            ++i;
            continue;
        }
        each(codepoint);
        i += length;
    }
}

TextEditModel::TextEditModel(CharacterTest accepts) : accepts(std::move(accepts)) {
    if (!this->accepts)
        this->accepts = isPrintableAscii;
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
    forEachCodepoint(utf8, [&](unsigned int codepoint) {
        // The text holds one byte per character, so only single-byte codes can enter it.
        if (codepoint < 0x80 && accepts(codepoint))
            kept.push_back(static_cast<char>(codepoint));
    });
    return kept;
}

void TextEditModel::replace(size_t start, size_t removed, const std::string& piece) {
    value.replace(start, removed, piece);
    last = {start, removed, piece.size()};
    ++changes;
}

void TextEditModel::cutToLimit() {
    if (limit && value.size() > limit)
        replace(limit, value.size() - limit, {});
}

void TextEditModel::setText(const std::string& utf8) {
    std::string kept = accepted(utf8);
    if (limit && kept.size() > limit)
        kept.resize(limit);
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
        const size_t room = limit - (value.size() - selected);
        if (piece.size() > room)
            piece.resize(room);
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
    if (codepoint >= 0x80 || !accepts(codepoint))
        return false;
    return insert(std::string(1, static_cast<char>(codepoint)));
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
    replace(--caretAt, 1, {});
    anchorAt = caretAt;
    return true;
}

bool TextEditModel::deleteForward() {
    if (hasSelection())
        return deleteSelection();
    if (caretAt >= value.size())
        return false;
    replace(caretAt, 1, {});
    return true;
}

void TextEditModel::moveTo(size_t position, bool extend) {
    caretAt = std::min(position, value.size());
    if (!extend)
        anchorAt = caretAt;
}

void TextEditModel::moveLeft(bool extend) {
    if (hasSelection() && !extend)
        return moveTo(selectionStart(), false);
    moveTo(caretAt > 0 ? caretAt - 1 : 0, extend);
}

void TextEditModel::moveRight(bool extend) {
    if (hasSelection() && !extend)
        return moveTo(selectionEnd(), false);
    moveTo(caretAt + 1, extend);
}

void TextEditModel::selectAll() {
    anchorAt = 0;
    caretAt = value.size();
}

}  // namespace trellis
