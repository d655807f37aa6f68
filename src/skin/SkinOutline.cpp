// Finding a skin file's skins as loadSkin finds them, and reporting the ones it never will.
#include "trellis/skin/SkinOutline.h"

#include "diagnostics/DiagnosticText.h"
#include "diagnostics/NameSuggestion.h"
#include "files/XmlFile.h"
#include "files/XmlReport.h"
#include "trellis/diagnostics/DiagnosticSink.h"

#include <tinyxml.h>

namespace trellis {

namespace {

SkinFilePlace placeOf(const std::string& name, const TiXmlElement& element) {
    return SkinFilePlace{name, element.Row(), element.Column()};
}

// The outline entry for a skin element that loadSkin can find, or false when it never will,
// reported; first says whether it is the first top-level element.
bool outlineSkin(const char* file, const TiXmlElement& element, bool first,
                 const std::vector<SkinOutline>& earlier, SkinOutline& outline) {
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
    for (const SkinOutline& other : earlier)
        if (other.skin.name == name) {
            reportAtNode(file, element, Severity::Warning,
                         "a second skin named " + quoted(name) + " (first at " +
                             std::to_string(other.skin.line) + ":" +
                             std::to_string(other.skin.column) + ") is never loaded");
            return false;
        }
    outline.skin = placeOf(name, element);
    for (const TiXmlElement* section = element.FirstChildElement(); section;
         section = section->NextSiblingElement())
        outline.sections.push_back(placeOf(section->ValueStr(), *section));
    return true;
}

}  // namespace

std::vector<SkinOutline> outlineSkinFile(const char* fileName) {
    std::vector<SkinOutline> skins;
    TiXmlDocument document(fileName);
    if (!loadXmlFile(document))
        return skins;
    bool first = true;
    for (const TiXmlElement* element = document.FirstChildElement(); element;
         element = element->NextSiblingElement(), first = false) {
        SkinOutline outline;
        if (outlineSkin(fileName, *element, first, skins, outline))
            skins.push_back(outline);
    }
    if (skins.empty())
        reportDiagnostic(Diagnostic{fileName, 0, 0, Severity::Error, "no skin in the file"});
    return skins;
}

}  // namespace trellis
