// AttributeSource: the attributes of one element as a file gives them, read by name, and the
// typed reads that elements use in their loadAttributes.
#pragma once

#include "trellis/style/Color.h"

namespace trellis {

// One element's attributes, whatever file format they come from.
class AttributeSource {
public:
    virtual ~AttributeSource() = default;

    // The attribute's text, or null when the element does not have it.
    virtual const char* find(const char* name) const = 0;
};

// The attribute's text, or null when absent.
const char* textAttribute(const AttributeSource& element, const char* name);

// A number as C's "%lf" scan reads it ("12abc" is 12), stored as a float; false (field
// untouched) when the attribute is absent or does not start with a number.
bool readNumberAttribute(const AttributeSource& element, const char* name, float& field);

// A colour text; false (field untouched) when absent. A present text always replaces the field.
bool readColorAttribute(const AttributeSource& element, const char* name, Color& field);

// A switch that is off unless asked for: true exactly when the text is "1". A text other than
// "0" or "1" is reported.
bool optInAttribute(const AttributeSource& element, const char* name);

}  // namespace trellis
