// XmlAttributes: a dialogue file element's attributes, as elements read them, noting which ones
// they read and reporting the values they could not take as given.
#pragma once

#include "trellis/gui/AttributeSource.h"

#include <string>
#include <tinyxml.h>
#include <unordered_set>

namespace trellis {

// The attributes of one TinyXML element of the dialogue file fileName.
class XmlAttributes : public AttributeSource {
public:
    // With noting, every name asked for is remembered, for wasRead.
    XmlAttributes(const TiXmlElement& element, const char* fileName, bool noting);

    const char* find(const char* name) const override;
    // Reports what as a warning about attribute name, at the element's place.
    void reportValue(const char* name, const std::string& what) const override;
    const char* sourcePath() const override { return fileName; }  // the dialogue file

    // Whether anyone asked for the attribute name (always false without noting).
    bool wasRead(const std::string& name) const { return read.count(name) != 0; }

    // Every name asked for (empty without noting).
    const std::unordered_set<std::string>& namesRead() const { return read; }

private:
    const TiXmlElement& element;
    const char* fileName;
    bool noting;
    mutable std::unordered_set<std::string> read;
};

}  // namespace trellis
