// Finding a skin file's skins as loadSkin finds them, and reporting the ones it never will.
#include "trellis/skin/SkinOutline.h"

#include "diagnostics/DiagnosticText.h"
#include "diagnostics/NameSuggestion.h"
#include "files/XmlFile.h"
#include "files/XmlReport.h"
#include "skin/SkinDocumentOutline.h"
#include "skin/SkinFonts.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/style/SkinStore.h"

#include <tinyxml.h>
#include <unordered_map>

namespace trellis {

namespace {

SkinFilePlace placeOf(const std::string& name, const TiXmlElement& element) {
    return SkinFilePlace{name, element.Row(), element.Column()};
}

// The place of each skin name outlined so far.
using SkinPlaces = std::unordered_map<std::string, SkinFilePlace>;

// The outline entry for a skin element that loadSkin can find, or false when it never will,
// reported; first says whether it is the first top-level element.
bool outlineSkin(const char* file, const TiXmlElement& element, bool first,
                 const SkinPlaces& earlier, SkinOutline& outline) {
    const char* name = element.Attribute("name");
    if (!first && element.ValueStr() != "skin") {
        NameSuggestion suggestion(element.ValueStr());
        suggestion.consider("skin");
        reportAtNode(file, element, Severity::Warning,
                     "top-level " + describeElement(element) + " is not a skin" +
                         suggestion.hint() + "; ignored with everything inside it");
        return false;
    }
    if (!name) {
        reportAtNode(file, element, Severity::Warning,
                     "<" + element.ValueStr() +
                         "> has no \"name\": it is no skin, and nothing inside it is read");
        return false;
    }
    const auto other = earlier.find(name);
    if (other != earlier.end()) {
        reportAtNode(file, element, Severity::Warning,
                     "a second skin named " + quoted(name) + " (first at " +
                         std::to_string(other->second.line) + ":" +
                         std::to_string(other->second.column) + ") is never loaded");
        return false;
    }
    outline.skin = placeOf(name, element);
    for (const TiXmlElement* section = element.FirstChildElement(); section;
         section = section->NextSiblingElement())
        if (section->ValueStr() != kFontSectionTag)  // a face, not a section of styles
            outline.sections.push_back(placeOf(skinSectionName(*section), *section));
    return true;
}

}  // namespace

std::vector<SkinOutline> outlineSkinDocument(const char* fileName, const TiXmlDocument& document,
                                             std::vector<const TiXmlElement*>& elements) {
    std::vector<SkinOutline> skins;
    SkinPlaces places;
    bool first = true;
    for (const TiXmlElement* element = document.FirstChildElement(); element;
         element = element->NextSiblingElement(), first = false) {
        SkinOutline outline;
        if (outlineSkin(fileName, *element, first, places, outline)) {
            places.emplace(outline.skin.name, outline.skin);
            skins.push_back(std::move(outline));
            elements.push_back(element);
        }
    }
    if (skins.empty())
        reportDiagnostic(Diagnostic{fileName, 0, 0, Severity::Error, "no skin in the file"});
    return skins;
}

std::vector<SkinOutline> outlineSkinFile(const char* fileName) {
    TiXmlDocument document(fileName);
    if (!loadXmlFile(document))
        return {};
    std::vector<const TiXmlElement*> elements;
    return outlineSkinDocument(fileName, document, elements);
}

bool isStyleClassSection(const TiXmlElement& section) {
    return section.ValueStr() == "style" && section.Attribute("class");
}

std::string skinSectionName(const TiXmlElement& section) {
    return isStyleClassSection(section) ? styleClassSection(section.Attribute("class"))
                                        : section.ValueStr();
}

}  // namespace trellis
