// Reading typed attribute values from a dialogue file element.
#pragma once

#include "gui/Color.h"

class TiXmlElement;

// The attribute's text, or null when absent.
const char* textAttribute(const TiXmlElement& element, const char* name);

// A number as QueryDoubleAttribute reads it, stored as a float; false (field untouched) when
// the attribute is absent or not a number.
bool readNumberAttribute(const TiXmlElement& element, const char* name, float& field);

// A colour text; false (field untouched) when absent. A present text always replaces the field.
bool readColorAttribute(const TiXmlElement& element, const char* name, Color& field);
