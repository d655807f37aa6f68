// Checking attribute value texts the way their readers will take them, so that a loader can
// say what a value really gives before anyone is surprised by it.
#pragma once

#include <string>
#include <unordered_map>

namespace trellis {

// The kinds of value that style attributes take.
enum class StyleKind {
    Color,     // RRGGBBAA, read as strtoul base 16, or #RRGGBB or #RRGGBBAA
    Real,      // a decimal real, read as atof
    Unsigned,  // a decimal whole number, read as strtoul base 10
    FontSize,  // a real above zero; any other value is passed over
    FontName,  // a face a skin declares with <font name="..." file="..."/>
    Picture,   // a PNG file, relative to the skin file; skins only
    Slice,     // four non-negative numbers, "left top right bottom"; skins only
};

// Whether values of kind come only from skin files, never from an element's own attributes.
inline bool isSkinOnlyKind(StyleKind kind) {
    return kind == StyleKind::Picture || kind == StyleKind::Slice;
}

// Every attribute that an element's applySkin looks up, with the kind it parses.
const std::unordered_map<std::string, StyleKind>& styleAttributes();

// The kind of the style attribute name that some element's skin reads, or null for a name that
// no skin lookup asks for.
const StyleKind* styleAttributeKind(const std::string& name);

// What is wrong with text as a number read like sscanf "%lf", or empty when nothing is: a
// number followed by more than white space ("\"12abc\" has characters after the number; read
// as 12"), one written otherwise than in decimal ("0x10", "1e"), or no number at all ("\"abc\"
// is not a number; " + whenNone), "nan" and "inf" counting as no number.
std::string numberProblem(const char* text, const char* whenNone);

// What is wrong with text as a colour, or empty when it is eight hexadecimal digits, #RRGGBB or
// #RRGGBBAA: what it
// is instead and the colour it gives ("... is not eight hexadecimal digits (RRGGBBAA); read as
// 00ff8000").
std::string colorProblem(const char* text);

// What is wrong with text as a font size, or empty when it is a number above zero; such a size
// is passed over ("\"0\" is not a size above zero; ignored").
std::string fontSizeProblem(const char* text);

// What is wrong with text as the four slices of a picture, or empty when it is four
// non-negative numbers ("\"1 2\" is not four numbers ...; the picture is stretched whole").
std::string sliceProblem(const char* text);

// What is wrong with text as a style attribute of kind, as a skin lookup reads it, or empty. A
// picture's file is checked where the skin file's folder is known (SkinImageChecks).
std::string styleValueProblem(StyleKind kind, const char* text);

}  // namespace trellis
