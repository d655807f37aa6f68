// Line breaks by a few simple rules, for builds without libunibreak.
#include "gui/text/LineBreaks.h"

#include "trellis/font/Utf8Decode.h"

namespace trellis {

namespace {

bool isSpace(unsigned int code) {
    return code == ' ' || code == '\t';
}

// Characters after which a line must end.
bool endsLine(unsigned int code) {
    return code == '\n' || code == '\r' || code == 0x0B || code == 0x0C || code == 0x85 ||
           code == 0x2028 || code == 0x2029;
}

// Characters a line may end on either side of, as in CJK text: ideographs, kana and Hangul
// syllables (their blocks' punctuation, which keeps to its neighbour, is left out).
bool breaksAround(unsigned int code) {
    return (code >= 0x3040 && code <= 0x30FF) || (code >= 0x3400 && code <= 0x4DBF) ||
           (code >= 0x4E00 && code <= 0x9FFF) || (code >= 0xAC00 && code <= 0xD7A3) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0x20000 && code <= 0x3FFFD);
}

// Whether a line may end between the characters before and after.
bool mayBreakBetween(unsigned int before, unsigned int after) {
    if (isSpace(after))
        return false;
    // A hyphen before a digit is a minus sign, which stays with its number.
    const bool hyphen = before == '-' && !(after >= '0' && after <= '9');
    return isSpace(before) || hyphen || before == 0x200B || breaksAround(before) ||
           breaksAround(after);
}

// The character at at (moved past it): a byte that starts no well-formed sequence is one
// character of its own, as libunibreak takes it.
unsigned int characterAt(const std::string& text, size_t& at) {
    unsigned int code = 0;
    const size_t length = wellFormedSequence(reinterpret_cast<const unsigned char*>(&text[at]),
                                             text.size() - at, code);
    if (length == 0)
        code = static_cast<unsigned char>(text[at]);
    at += length == 0 ? 1 : length;
    return code;
}

}  // namespace

LineBreaks simpleLineBreaks(const std::string& text) {
    LineBreaks breaks(text.size(), LineBreak::None);
    size_t at = 0;
    unsigned int code = text.empty() ? 0 : characterAt(text, at);
    while (at < text.size()) {
        const size_t last = at - 1;  // the last byte of code
        const unsigned int next = characterAt(text, at);
        if (endsLine(code) && !(code == '\r' && next == '\n'))
            breaks[last] = LineBreak::Mandatory;
        else if (mayBreakBetween(code, next))
            breaks[last] = LineBreak::Allowed;
        code = next;
    }
    if (!text.empty())
        breaks.back() = LineBreak::Mandatory;
    return breaks;
}

}  // namespace trellis
