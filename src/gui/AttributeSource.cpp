// Typed attribute reads over any attribute source.
#include "trellis/gui/AttributeSource.h"

#include "trellis/style/SkinValues.h"

#include <cstdio>
#include <cstring>

namespace trellis {

const char* textAttribute(const AttributeSource& element, const char* name) {
    return element.find(name);
}

bool readNumberAttribute(const AttributeSource& element, const char* name, float& field) {
    const char* text = element.find(name);
    double value = 0;
    // The same scan as TinyXML's QueryDoubleAttribute, so files read as they always have.
    if (!text || std::sscanf(text, "%lf", &value) != 1)
        return false;
    field = static_cast<float>(value);
    return true;
}

bool readColorAttribute(const AttributeSource& element, const char* name, Color& field) {
    const char* text = element.find(name);
    if (!text)
        return false;
    field = parseColorText(text);
    return true;
}

bool optInAttribute(const AttributeSource& element, const char* name) {
    const char* text = element.find(name);
    return text && std::strcmp(text, "1") == 0;
}

}  // namespace trellis
