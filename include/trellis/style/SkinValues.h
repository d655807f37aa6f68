// Parsing of value texts from skin and dialogue files, and applying skin values to fields.
#pragma once

#include "trellis/style/Color.h"
#include "trellis/style/SkinStore.h"

#include <cstdint>

namespace trellis {

// Hexadecimal RRGGBBAA as strtoul reads base 16, saturating at FFFFFFFF like a 32-bit strtoul.
Color parseColorText(const char* text);

// Decimal as strtoul reads base 10, saturating at the 32-bit maximum.
uint32_t parseUnsignedText(const char* text);

// Decimal real as atof reads it, as a 32-bit float; no number gives 0.
float parseRealText(const char* text);

// Each looks attribute up in an element's skin sections and, when found, parses it into field.
void applySkinColor(const SkinSections& sections, const char* attribute, Color& field);
void applySkinUnsigned(const SkinSections& sections, const char* attribute, unsigned int& field);
void applySkinReal(const SkinSections& sections, const char* attribute, float& field);

}  // namespace trellis
