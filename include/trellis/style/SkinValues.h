// Parsing of value texts from skin and dialogue files, and applying skin values to fields.
#pragma once

#include "trellis/style/Color.h"
#include "trellis/style/SkinStore.h"

#include <cstdint>

namespace trellis {

// Hexadecimal RRGGBBAA as strtoul reads base 16, saturating at FFFFFFFF like a 32-bit strtoul;
// or, with a leading '#', exactly six (#RRGGBB, opaque) or eight (#RRGGBBAA) hexadecimal digits.
Color parseColorText(const char* text);

// Whether text is a colour written #RRGGBB or #RRGGBBAA.
bool isHashColorText(const char* text);

// Decimal as strtoul reads base 10, saturating at the 32-bit maximum.
uint32_t parseUnsignedText(const char* text);

// Decimal real as atof reads it, as a 32-bit float; no number, "nan" or "inf" gives 0.
float parseRealText(const char* text);

// Reads "left top right bottom": exactly four finite, non-negative decimal numbers apart by white
// space, into slice; false, leaving slice as it was, for any other text.
bool parseSliceText(const char* text, float (&slice)[4]);

// Whether size can be drawn as a font size: a finite number above zero. Text drawn at size 0
// takes the size of whatever text was drawn before it, and a negative size draws mirrored.
bool isUsableFontSize(float size);

// Each looks attribute up in an element's skin sections and, when found, parses it into field.
void applySkinColor(const SkinSections& sections, const char* attribute, Color& field);
void applySkinUnsigned(const SkinSections& sections, const char* attribute, unsigned int& field);
void applySkinReal(const SkinSections& sections, const char* attribute, float& field);
// As applySkinReal, but a value that is not a usable font size counts as absent: the lookup
// goes on to the next section, and without a usable value field stays as it was.
void applySkinFontSize(const SkinSections& sections, const char* attribute, float& field);

}  // namespace trellis
