// Decoding and encoding UTF-8 one character at a time.
#include "trellis/gui/Utf8Text.h"

#include "trellis/font/Utf8Decode.h"

namespace trellis {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

unsigned int decodeUtf8(const std::string& utf8, size_t at, size_t& length, bool* valid) {
    // The same check as drawing's; only the answer for a bad byte differs (U+FFFD, not Latin-1).
    unsigned int codepoint = 0;
    const size_t whole = wellFormedSequence(
        reinterpret_cast<const unsigned char*>(utf8.data()) + at, utf8.size() - at, codepoint);
    if (valid)
        *valid = whole != 0;
    length = whole ? whole : 1;
    return whole ? codepoint : kReplacementCharacter;
}

void appendUtf8(std::string& utf8, unsigned int codepoint) {
    if (codepoint > 0x10FFFF || (codepoint >= 0xD800 && codepoint < 0xE000))
        codepoint = kReplacementCharacter;
    if (codepoint < 0x80) {
        utf8.push_back(static_cast<char>(codepoint));
        return;
    }
    const int tail = codepoint < 0x800 ? 1 : codepoint < 0x10000 ? 2 : 3;
    static constexpr unsigned char kLeads[4] = {0, 0xC0, 0xE0, 0xF0};
    utf8.push_back(static_cast<char>(kLeads[tail] | (codepoint >> (6 * tail))));
    for (int k = tail - 1; k >= 0; --k)
        utf8.push_back(static_cast<char>(0x80 | ((codepoint >> (6 * k)) & 0x3F)));
}

void forEachCodepoint(const std::string& utf8, const std::function<void(unsigned int)>& each) {
    for (size_t i = 0, length = 0; i < utf8.size(); i += length)
        each(decodeUtf8(utf8, i, length));
}

size_t countCharacters(const std::string& utf8, size_t from, size_t to) {
    to = to < utf8.size() ? to : utf8.size();
    size_t count = 0;
    for (size_t i = from, length = 0; i < to; i += length, ++count) {
        // ASCII, the common case, needs no decoding.
        if (static_cast<unsigned char>(utf8[i]) < 0x80)
            length = 1;
        else
            decodeUtf8(utf8, i, length);
    }
    return count;
}

bool isCharacterStart(const std::string& utf8, size_t at) {
    if (at == 0 || at >= utf8.size() || !isContinuation(static_cast<unsigned char>(utf8[at])))
        return true;
    // A continuation byte is inside a character when a lead up to three bytes back opens a
    // well-formed sequence that reaches it.
    for (size_t back = 1; back <= 3 && back <= at; ++back) {
        const unsigned char byte = static_cast<unsigned char>(utf8[at - back]);
        if (isContinuation(byte))
            continue;
        size_t length = 0;
        bool valid = false;
        decodeUtf8(utf8, at - back, length, &valid);
        return !(valid && length > back);
    }
    return true;
}

bool isTextCharacter(unsigned int codepoint) {
    if (codepoint < 0x20 || (codepoint >= 0x7F && codepoint < 0xA0))
        return false;
    if (codepoint > 0x10FFFF || (codepoint >= 0xD800 && codepoint < 0xE000))
        return false;
    // Noncharacters: U+FDD0 to U+FDEF and the last two codes of every plane.
    return !(codepoint >= 0xFDD0 && codepoint <= 0xFDEF) && (codepoint & 0xFFFE) != 0xFFFE;
}

}  // namespace trellis
