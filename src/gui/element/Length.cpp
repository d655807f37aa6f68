// Lengths that adapt: parsing "50%", "100% - 12", "auto" and "fill", and reading them from a
// file's attributes.
#include "trellis/gui/Length.h"

#include "diagnostics/DiagnosticText.h"
#include "trellis/gui/AttributeSource.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace trellis {

namespace {

void skipSpace(const char*& p) {
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
}

// Reads a decimal number at p (digits with an optional point and fraction, and an optional
// exponent; no sign, no hexadecimal, no "nan" or "inf") into value, moving p past it. False,
// with p unmoved, when there is none or it is not finite.
bool readDecimal(const char*& p, float& value) {
    const char* q = p;
    const auto digits = [&q] {
        const char* start = q;
        while (std::isdigit(static_cast<unsigned char>(*q)))
            ++q;
        return q != start;
    };
    bool any = digits();
    if (*q == '.') {
        ++q;
        any = digits() || any;
    }
    if (!any)
        return false;
    if (*q == 'e' || *q == 'E') {
        const char* exponent = q++;
        if (*q == '+' || *q == '-')
            ++q;
        if (!digits())
            q = exponent;
    }
    const double parsed = std::strtod(std::string(p, q).c_str(), nullptr);
    if (!std::isfinite(parsed) || !std::isfinite(static_cast<float>(parsed)))
        return false;
    value = static_cast<float>(parsed);
    p = q;
    return true;
}

// Reads an optionally signed decimal number, white space allowed after the sign.
bool readSigned(const char*& p, float& value) {
    const char* q = p;
    float sign = 1;
    if (*q == '+' || *q == '-') {
        sign = *q == '-' ? -1.0f : 1.0f;
        ++q;
        skipSpace(q);
    }
    if (!readDecimal(q, value))
        return false;
    value *= sign;
    p = q;
    return true;
}

}  // namespace

Length Length::percentOf(float percent, float offset) {
    Length length;
    length.lengthKind = Kind::Percent;
    length.percentage = percent;
    length.offsetUnits = offset;
    return length;
}

Length Length::automatic() {
    Length length;
    length.lengthKind = Kind::Auto;
    return length;
}

Length Length::fill() {
    Length length;
    length.lengthKind = Kind::Fill;
    return length;
}

float Length::of(float whole) const {
    return whole * percentage / 100.0f + offsetUnits;
}

bool Length::operator==(const Length& other) const {
    return lengthKind == other.lengthKind && percentage == other.percentage &&
           offsetUnits == other.offsetUnits;
}

std::string parseLength(const char* text, bool size, Length& out) {
    const std::string problemStart = quoted(text) + " is not a length: ";
    const char* p = text;
    skipSpace(p);
    const char* word = p;
    while (std::isalpha(static_cast<unsigned char>(*p)))
        ++p;
    const std::string letters(word, p);
    skipSpace(p);
    if ((letters == "auto" || letters == "fill") && !*p) {
        if (!size)
            return problemStart + "only a width or height can be " + quoted(letters);
        out = letters == "auto" ? Length::automatic() : Length::fill();
        return std::string();
    }
    p = word;
    float number = 0;
    if (!readSigned(p, number))
        return problemStart + "expected a finite decimal number at its start";
    skipSpace(p);
    if (!*p) {
        out = Length();
        return std::string();
    }
    if (*p != '%')
        return problemStart + "expected \"%\" or the end after the number";
    ++p;
    skipSpace(p);
    float offset = 0;
    if (*p == '+' || *p == '-') {
        const char sign = *p;
        if (!readSigned(p, offset))
            return problemStart + "a number of units must follow \"" + sign + "\"";
        skipSpace(p);
    }
    if (*p)
        return problemStart + "unexpected " + quoted(p) +
               " after the percentage; write \"50%\" or \"100% - 12\"";
    out = Length::percentOf(number, offset);
    return std::string();
}

bool readLengthAttribute(const AttributeSource& element, const char* name, bool size, float& field,
                         Length& length) {
    const char* text = element.find(name);
    if (!text)
        return false;
    const bool adapts =
        std::strchr(text, '%') || std::strstr(text, "auto") || std::strstr(text, "fill");
    if (!adapts) {
        if (!readNumberAttribute(element, name, field))
            return false;
        length = Length();
        return true;
    }
    const std::string problem = parseLength(text, size, length);
    if (!problem.empty()) {
        element.reportValue(name, problem + "; ignored");
        return false;
    }
    return true;
}

}  // namespace trellis
