// Typed attribute reads over TinyXML.
#include "dialogue/AttributeReading.h"

#include "skin/SkinValues.h"

#include <tinyxml.h>

const char* textAttribute(const TiXmlElement& element, const char* name) {
    return element.Attribute(name);
}

bool readNumberAttribute(const TiXmlElement& element, const char* name, float& field) {
    double value = 0;
    if (element.QueryDoubleAttribute(name, &value) != TIXML_SUCCESS)
        return false;
    field = static_cast<float>(value);
    return true;
}

bool readColorAttribute(const TiXmlElement& element, const char* name, Color& field) {
    const char* text = element.Attribute(name);
    if (!text)
        return false;
    field = parseColorText(text);
    return true;
}
