// The style attributes that skins read, and the checks of value texts.
#include "style/StyleValueChecks.h"

#include "diagnostics/DiagnosticText.h"
#include "trellis/font/NamedFonts.h"
#include "trellis/style/SkinValues.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace trellis {

const std::unordered_map<std::string, StyleKind>& styleAttributes() {
    static const std::unordered_map<std::string, StyleKind> table = {
        {"bgColor", StyleKind::Color},
        {"texture", StyleKind::Unsigned},
        {"u0", StyleKind::Real},
        {"v0", StyleKind::Real},
        {"u1", StyleKind::Real},
        {"v1", StyleKind::Real},
        {"fontColor", StyleKind::Color},
        {"fontSize", StyleKind::FontSize},
        {"font", StyleKind::FontName},
        {"borderColor", StyleKind::Color},
        {"blend", StyleKind::Unsigned},
        {"image", StyleKind::Picture},
        {"slice", StyleKind::Slice},
        // Text fields and scrolling panels.
        {"caretColor", StyleKind::Color},
        {"selectionColor", StyleKind::Color},
        {"frameColor", StyleKind::Color},
        {"focusColor", StyleKind::Color},
        {"barColor", StyleKind::Color},
        {"thumbColor", StyleKind::Color},
        {"barWidth", StyleKind::Real},
        // Check boxes and sliders.
        {"checkColor", StyleKind::Color},
        {"trackColor", StyleKind::Color},
        {"fillColor", StyleKind::Color},
        // List boxes, tabs and menus.
        {"selectedFontColor", StyleKind::Color},
        {"tabColor", StyleKind::Color},
        {"activeTabColor", StyleKind::Color},
        {"highlightColor", StyleKind::Color},
        {"separatorColor", StyleKind::Color},
        // Spinboxes, dropdowns and separators.
        {"arrowColor", StyleKind::Color},
        {"lineColor", StyleKind::Color},
        // Containers, and the room around a text sized to its content.
        {"padding", StyleKind::Real},
        {"spacing", StyleKind::Real},
    };
    return table;
}

namespace {

bool onlySpaceFrom(const char* p) {
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    return *p == '\0';
}

// The length of the decimal number at the start of text, white space before it included: a
// sign, digits with a point and a fraction, and an exponent with digits; 0 when none is there.
size_t decimalLength(const char* text) {
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const auto digits = [&p] {
        const char* start = p;
        while (std::isdigit(static_cast<unsigned char>(*p)))
            ++p;
        return p != start;
    };
    if (*p == '+' || *p == '-')
        ++p;
    bool any = digits();
    if (*p == '.') {
        ++p;
        any = digits() || any;
    }
    if (!any)
        return 0;
    const char* mantissaEnd = p;
    if (*p == 'e' || *p == 'E') {
        ++p;
        if (*p == '+' || *p == '-')
            ++p;
        if (!digits())
            p = mantissaEnd;
    }
    return static_cast<size_t>(p - text);
}

std::string shortNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// As numberProblem, for a whole number read as strtoul base 10 reads it.
std::string unsignedProblem(const char* text) {
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    char* end = nullptr;
    std::strtoul(p, &end, 10);
    if (end == p || !std::isdigit(static_cast<unsigned char>(*p)))
        return quoted(text) + " is not a whole number; read as " +
               std::to_string(parseUnsignedText(text));
    if (!onlySpaceFrom(end))
        return quoted(text) + " has characters after the number; read as " +
               std::to_string(parseUnsignedText(text));
    return std::string();
}

}  // namespace

const StyleKind* styleAttributeKind(const std::string& name) {
    const auto found = styleAttributes().find(name);
    return found == styleAttributes().end() ? nullptr : &found->second;
}

std::string numberProblem(const char* text, const char* whenNone) {
    double value = 0;
    int used = 0;
    // The reading that number attributes get, which stops quietly at the first other byte.
    if (std::sscanf(text, "%lf%n", &value, &used) != 1)
        return quoted(text) + " is not a number; " + whenNone;
    if (!std::isfinite(value))
        return quoted(text) + " is not a finite number; " + whenNone;
    // The scan also reads hexadecimal ("0x10") and a dangling exponent ("1e").
    if (decimalLength(text) != static_cast<size_t>(used))
        return quoted(text) + " is not a decimal number; read as " + shortNumber(value);
    if (!onlySpaceFrom(text + used))
        return quoted(text) + " has characters after the number; read as " + shortNumber(value);
    return std::string();
}

std::string colorProblem(const char* text) {
    size_t digits = 0;
    while (std::isxdigit(static_cast<unsigned char>(text[digits])))
        ++digits;
    if ((digits == 8 && text[8] == '\0') || isHashColorText(text))
        return std::string();
    const Color color = parseColorText(text);
    char hex[16];
    std::snprintf(hex, sizeof hex, "%02x%02x%02x%02x", color.red(), color.green(), color.blue(),
                  color.alpha());
    if (text[0] == '#')
        return quoted(text) + " is not #RRGGBB or #RRGGBBAA; read as " + std::string(hex);
    return quoted(text) + " is not eight hexadecimal digits (RRGGBBAA); read as " + hex;
}

std::string fontSizeProblem(const char* text) {
    double value = 0;
    if (std::sscanf(text, "%lf", &value) == 1 && isUsableFontSize(static_cast<float>(value)))
        return numberProblem(text, "ignored");
    return quoted(text) + " is not a size above zero; ignored";
}

std::string sliceProblem(const char* text) {
    float slice[4];
    if (parseSliceText(text, slice))
        return std::string();
    return quoted(text) +
           " is not four numbers of zero or more (left top right bottom, in the picture's "
           "pixels); the picture is stretched whole";
}

std::string styleValueProblem(StyleKind kind, const char* text) {
    switch (kind) {
    case StyleKind::Picture:
        return std::string();
    case StyleKind::Slice:
        return sliceProblem(text);
    case StyleKind::Color:
        return colorProblem(text);
    case StyleKind::Real:
        return numberProblem(text, "read as 0");
    case StyleKind::Unsigned:
        return unsignedProblem(text);
    case StyleKind::FontSize:
        return fontSizeProblem(text);
    case StyleKind::FontName:
        return namedFontDeclared(text) ? std::string()
                                       : quoted(text) + " names no font a skin declares; the "
                                                        "text keeps its font";
    }
    return std::string();
}

}  // namespace trellis
