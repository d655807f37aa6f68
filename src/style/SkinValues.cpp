// Value-text parsing with 32-bit results, whatever the width of unsigned long.
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace trellis {

namespace {

// strtoul's reading of text in base, as a 32-bit unsigned long would give it: a magnitude
// beyond 32 bits saturates, and a minus sign negates within 32 bits.
uint32_t parseUnsigned32(const char* text, int base) {
    if (!text)
        return 0;
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const bool negative = *p == '-';
    errno = 0;
    unsigned long long value = std::strtoull(text, nullptr, base);
    if (errno == ERANGE)
        return UINT32_MAX;
    unsigned long long magnitude = negative ? 0ULL - value : value;
    if (magnitude > UINT32_MAX)
        return UINT32_MAX;
    return negative ? uint32_t(0U - uint32_t(magnitude)) : uint32_t(magnitude);
}

// The number of hexadecimal digits after a leading '#' when there are six or eight and nothing
// after them, else 0.
size_t hashColorDigits(const char* text) {
    if (text[0] != '#')
        return 0;
    size_t digits = 0;
    while (std::isxdigit(static_cast<unsigned char>(text[1 + digits])))
        ++digits;
    return text[1 + digits] == '\0' && (digits == 6 || digits == 8) ? digits : 0;
}

bool isUsableFontSizeText(const char* text) {
    return isUsableFontSize(parseRealText(text));
}

}  // namespace

bool isHashColorText(const char* text) {
    return text && hashColorDigits(text) != 0;
}

Color parseColorText(const char* text) {
    const size_t hashDigits = text ? hashColorDigits(text) : 0;
    // #RRGGBB is opaque; #RRGGBBAA says its alpha.
    const uint32_t v = hashDigits == 6   ? parseUnsigned32(text + 1, 16) << 8 | 0xff
                       : hashDigits == 8 ? parseUnsigned32(text + 1, 16)
                                         : parseUnsigned32(text, 16);
    return Color{{static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
                  static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)}};
}

uint32_t parseUnsignedText(const char* text) {
    return parseUnsigned32(text, 10);
}

float parseRealText(const char* text) {
    const double value = text ? std::atof(text) : 0.0;
    // "nan" or "inf" would spread through every sum.
    return std::isfinite(value) ? static_cast<float>(value) : 0.0f;
}

bool parseSliceText(const char* text, float (&slice)[4]) {
    if (!text)
        return false;
    // Plain decimals only (digits with at most one point): no signs, exponents or hexadecimal,
    // so that what reads as a number is what it looks like.
    float read[4];
    int count = 0;
    for (const char* at = text; *at;) {
        if (std::isspace(static_cast<unsigned char>(*at))) {
            ++at;
            continue;
        }
        const char* start = at;
        int digits = 0, points = 0;
        for (; *at && !std::isspace(static_cast<unsigned char>(*at)); ++at) {
            if (std::isdigit(static_cast<unsigned char>(*at)))
                ++digits;
            else if (*at == '.')
                ++points;
            else
                return false;
        }
        if (digits == 0 || points > 1 || count == 4)
            return false;
        const float value = static_cast<float>(std::atof(start));
        if (!std::isfinite(value))
            return false;
        read[count++] = value;
    }
    if (count != 4)
        return false;
    std::copy(read, read + 4, slice);
    return true;
}

bool isUsableFontSize(float size) {
    return std::isfinite(size) && size > 0;
}

void applySkinColor(const SkinSections& sections, const char* attribute, Color& field) {
    if (const char* value = sections.find(attribute))
        field = parseColorText(value);
}

void applySkinUnsigned(const SkinSections& sections, const char* attribute, unsigned int& field) {
    if (const char* value = sections.find(attribute))
        field = parseUnsignedText(value);
}

void applySkinReal(const SkinSections& sections, const char* attribute, float& field) {
    if (const char* value = sections.find(attribute))
        field = parseRealText(value);
}

void applySkinFontSize(const SkinSections& sections, const char* attribute, float& field) {
    if (const char* value = sections.find(attribute, isUsableFontSizeText))
        field = parseRealText(value);
}

}  // namespace trellis
