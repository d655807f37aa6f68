// Extended grapheme cluster boundaries, from each character's general category (as HarfBuzz
// knows it) and a few ranges of code points that the rules name on their own.
#include "gui/text/GraphemeBreaks.h"

#include "trellis/gui/Utf8Text.h"

#include <algorithm>
#include <hb.h>
#include <iterator>

namespace trellis {

namespace {

// What a character is to the cluster rules.
enum class Kind {
    Other,
    CR,
    LF,
    Control,
    Extend,
    Joiner,  // ZERO WIDTH JOINER
    SpacingMark,
    Prepend,
    L,
    V,
    T,
    LV,
    LVT,
    Regional,
    Pictographic,
};

struct Range {
    unsigned int first, last;
};

// Characters that attach to the one after them.
constexpr Range kPrepend[] = {{0x0600, 0x0605},   {0x06DD, 0x06DD},   {0x070F, 0x070F},
                              {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x0D4E, 0x0D4E},
                              {0x110BD, 0x110BD}, {0x110CD, 0x110CD}, {0x111C2, 0x111C3}};

// Pictographic characters that may be joined into one emoji with ZWJ.
constexpr Range kPictographic[] = {
    {0x00A9, 0x00A9},   {0x00AE, 0x00AE},   {0x203C, 0x203C},   {0x2049, 0x2049},
    {0x2122, 0x2122},   {0x2139, 0x2139},   {0x2194, 0x2199},   {0x21A9, 0x21AA},
    {0x231A, 0x231B},   {0x2328, 0x2328},   {0x2388, 0x2388},   {0x23CF, 0x23CF},
    {0x23E9, 0x23F3},   {0x23F8, 0x23FA},   {0x24C2, 0x24C2},   {0x25AA, 0x25AB},
    {0x25B6, 0x25B6},   {0x25C0, 0x25C0},   {0x25FB, 0x25FE},   {0x2600, 0x27BF},
    {0x2934, 0x2935},   {0x2B05, 0x2B07},   {0x2B1B, 0x2B1C},   {0x2B50, 0x2B50},
    {0x2B55, 0x2B55},   {0x3030, 0x3030},   {0x303D, 0x303D},   {0x3297, 0x3297},
    {0x3299, 0x3299},   {0x1F000, 0x1F0FF}, {0x1F10D, 0x1F10F}, {0x1F12F, 0x1F12F},
    {0x1F16C, 0x1F171}, {0x1F17E, 0x1F17F}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A},
    {0x1F1AD, 0x1F1E5}, {0x1F201, 0x1F20F}, {0x1F21A, 0x1F21A}, {0x1F22F, 0x1F22F},
    {0x1F232, 0x1F23A}, {0x1F23C, 0x1F23F}, {0x1F249, 0x1F3FA}, {0x1F400, 0x1F53D},
    {0x1F546, 0x1F64F}, {0x1F680, 0x1F6FF}, {0x1F774, 0x1F77F}, {0x1F7D5, 0x1F7FF},
    {0x1F80C, 0x1F80F}, {0x1F848, 0x1F84F}, {0x1F85A, 0x1F85F}, {0x1F888, 0x1F88F},
    {0x1F8AE, 0x1F8FF}, {0x1F90C, 0x1F93A}, {0x1F93C, 0x1F945}, {0x1F947, 0x1FAFF},
    {0x1FC00, 0x1FFFD}};

template <size_t N> bool inRanges(const Range (&ranges)[N], unsigned int codepoint) {
    const Range* after = std::upper_bound(
        ranges, ranges + N, codepoint, [](unsigned int c, const Range& r) { return c < r.first; });
    return after != ranges && codepoint <= std::prev(after)->last;
}

Kind hangulKind(unsigned int c) {
    if ((c >= 0x1100 && c <= 0x115F) || (c >= 0xA960 && c <= 0xA97C))
        return Kind::L;
    if ((c >= 0x1160 && c <= 0x11A7) || (c >= 0xD7B0 && c <= 0xD7C6))
        return Kind::V;
    if ((c >= 0x11A8 && c <= 0x11FF) || (c >= 0xD7CB && c <= 0xD7FB))
        return Kind::T;
    if (c >= 0xAC00 && c <= 0xD7A3)
        return (c - 0xAC00) % 28 == 0 ? Kind::LV : Kind::LVT;
    return Kind::Other;
}

Kind kindOf(unsigned int c) {
    if (c == '\r')
        return Kind::CR;
    if (c == '\n')
        return Kind::LF;
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        return Kind::Control;
    // Below the combining marks only the two pictographs are anything but Other.
    if (c < 0x300)
        return c == 0xA9 || c == 0xAE ? Kind::Pictographic : Kind::Other;
    if (c == 0x200D)
        return Kind::Joiner;
    if (c == 0x200C || (c >= 0x1F3FB && c <= 0x1F3FF) || (c >= 0xE0020 && c <= 0xE007F) ||
        c == 0xFF9E || c == 0xFF9F)
        return Kind::Extend;
    if (c >= 0x1F1E6 && c <= 0x1F1FF)
        return Kind::Regional;
    if (c == 0x0E33 || c == 0x0EB3)
        return Kind::SpacingMark;
    if (inRanges(kPrepend, c))
        return Kind::Prepend;
    if (inRanges(kPictographic, c))
        return Kind::Pictographic;
    const Kind hangul = hangulKind(c);
    if (hangul != Kind::Other)
        return hangul;
    switch (hb_unicode_general_category(hb_unicode_funcs_get_default(), c)) {
    case HB_UNICODE_GENERAL_CATEGORY_NON_SPACING_MARK:
    case HB_UNICODE_GENERAL_CATEGORY_ENCLOSING_MARK:
        return Kind::Extend;
    case HB_UNICODE_GENERAL_CATEGORY_SPACING_MARK:
        return Kind::SpacingMark;
    case HB_UNICODE_GENERAL_CATEGORY_CONTROL:
    case HB_UNICODE_GENERAL_CATEGORY_FORMAT:
    case HB_UNICODE_GENERAL_CATEGORY_LINE_SEPARATOR:
    case HB_UNICODE_GENERAL_CATEGORY_PARAGRAPH_SEPARATOR:
        return Kind::Control;
    default:
        return Kind::Other;
    }
}

Kind kindAt(const std::string& text, size_t at, size_t& length) {
    bool valid = false;
    const unsigned int c = decodeUtf8(text, at, length, &valid);
    // A malformed byte stands alone.
    return valid ? kindOf(c) : Kind::Control;
}

bool isHard(Kind k) {
    return k == Kind::Control || k == Kind::CR || k == Kind::LF;
}

// The start of the character that ends just before position (> 0).
size_t characterBefore(const std::string& text, size_t position) {
    size_t at = position - 1;
    while (at > 0 && !isCharacterStart(text, at))
        --at;
    return at;
}

}  // namespace

size_t GraphemeBreaks::next(size_t position) const {
    if (position >= text.size())
        return text.size();
    size_t length = 0;
    Kind before = kindAt(text, position, length);
    size_t regionalRun = before == Kind::Regional ? 1 : 0;
    // Inside "pictograph, extends": a joiner then ties the next pictograph on.
    bool pictographSequence = before == Kind::Pictographic, joinedPictograph = false;
    for (size_t at = position + length; at < text.size(); at += length) {
        const Kind kind = kindAt(text, at, length);
        bool joins;
        if (before == Kind::CR && kind == Kind::LF)
            joins = true;
        else if (isHard(before) || isHard(kind))
            joins = false;
        else if (before == Kind::L)
            joins = kind == Kind::L || kind == Kind::V || kind == Kind::LV || kind == Kind::LVT;
        else if ((before == Kind::LV || before == Kind::V) && (kind == Kind::V || kind == Kind::T))
            joins = true;
        else if ((before == Kind::LVT || before == Kind::T) && kind == Kind::T)
            joins = true;
        else if (kind == Kind::Extend || kind == Kind::Joiner || kind == Kind::SpacingMark)
            joins = true;
        else if (before == Kind::Prepend)
            joins = true;
        else if (before == Kind::Joiner && kind == Kind::Pictographic)
            joins = joinedPictograph;
        else
            joins = before == Kind::Regional && kind == Kind::Regional && regionalRun % 2 == 1;
        if (!joins)
            return at;
        regionalRun = kind == Kind::Regional ? regionalRun + 1 : 0;
        joinedPictograph = kind == Kind::Joiner && pictographSequence;
        pictographSequence =
            kind == Kind::Pictographic || (pictographSequence && kind == Kind::Extend);
        before = kind;
    }
    return text.size();
}

size_t GraphemeBreaks::safeStartBefore(size_t position) const {
    // A cluster always begins at a control, and at an ordinary character unless a prepended
    // one comes just before it.
    size_t at = characterBefore(text, position);
    while (at > 0) {
        size_t length = 0;
        const Kind kind = kindAt(text, at, length);
        const size_t before = characterBefore(text, at);
        if (kind == Kind::Control || kind == Kind::CR)
            return at;
        if (kind == Kind::Other && kindAt(text, before, length) != Kind::Prepend)
            return at;
        at = before;
    }
    return 0;
}

size_t GraphemeBreaks::previous(size_t position) const {
    if (position == 0)
        return 0;
    position = std::min(position, text.size());
    size_t boundary = safeStartBefore(position);
    for (size_t after = next(boundary); after < position; after = next(boundary))
        boundary = after;
    return boundary;
}

bool GraphemeBreaks::isBoundary(size_t position) const {
    if (position == 0 || position >= text.size())
        return true;
    return next(previous(position)) == position;
}

}  // namespace trellis
