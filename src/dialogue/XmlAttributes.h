// XmlAttributes: a dialogue file element's attributes, as elements read them.
#pragma once

#include "trellis/gui/AttributeSource.h"

#include <tinyxml.h>

namespace trellis {

// The attributes of one TinyXML element.
class XmlAttributes : public AttributeSource {
public:
    explicit XmlAttributes(const TiXmlElement& element) : element(element) {}

    const char* find(const char* name) const override { return element.Attribute(name); }

private:
    const TiXmlElement& element;
};

}  // namespace trellis
