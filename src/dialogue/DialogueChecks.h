// DialogueChecks: what the dialogue loader reports about a file's elements as it walks them.
#pragma once

#include "files/XmlReport.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

class TiXmlElement;

namespace trellis {

class GuiElement;
class SkinLookupLog;
class XmlAttributes;

// The checks of one dialogue file's walk: tags that build nothing, attributes nobody reads, and
// names that clash with another element's or a skin class's.
class DialogueChecks {
public:
    explicit DialogueChecks(const char* fileName) : fileName(fileName) {}

    // Reports an element whose tag builds nothing, skipped with its content.
    void skipped(const TiXmlElement& element);

    // Reports on an element just built from xml: its name, and each attribute that neither the
    // loader, nor the element's loadAttributes, nor (per skinLookups, for a named element) its
    // skin read; and the value of each attribute that only its skin read.
    void built(const TiXmlElement& xml, const XmlAttributes& attributes, const GuiElement& element,
               const SkinLookupLog* skinLookups);

    // Reports each attribute of an entry (a list's item) that its holder did not read.
    void itemRead(const TiXmlElement& xml, const XmlAttributes& attributes);

private:
    void checkName(const TiXmlElement& xml, const GuiElement& element);
    void checkUnread(const TiXmlElement& xml, const XmlAttributes& attributes,
                     const SkinLookupLog* skinLookups);

    const char* fileName;
    std::unordered_map<std::string, TextPlace> firstByName;  // where each name was first built
    std::unordered_set<std::string> readSomewhere;           // attribute names some element read
};

}  // namespace trellis
