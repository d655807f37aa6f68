// The skin loader's reports on the content of the skin it loads.
#include "skin/SkinFileChecks.h"

#include "diagnostics/DiagnosticText.h"
#include "diagnostics/NameSuggestion.h"
#include "files/XmlReport.h"
#include "skin/SkinFonts.h"
#include "style/StyleValueChecks.h"

#include <tinyxml.h>

namespace trellis {

namespace {

// Reports each attribute of section that no lookup reads, or whose value reads otherwise.
void checkSectionAttributes(const char* file, const TiXmlElement& section,
                            const std::string& where) {
    for (const TiXmlAttribute* a = section.FirstAttribute(); a; a = a->Next()) {
        const std::string& name = a->NameTStr();
        const StyleKind* kind = styleAttributeKind(name);
        if (!kind) {
            NameSuggestion suggestion(name);
            for (const auto& [candidate, known] : styleAttributes())
                suggestion.consider(candidate);
            reportAtNode(file, section, Severity::Warning,
                         "unknown style attribute " + quoted(name) + " on " + where +
                             suggestion.hint() + "; never read");
            continue;
        }
        const std::string problem = styleValueProblem(*kind, a->Value());
        if (!problem.empty())
            reportAtNode(file, section, Severity::Warning,
                         "attribute " + quoted(name) + " on " + where + ": " + problem);
    }
}

// Reports text and elements inside section: the loader reads only its attributes.
void checkSectionContent(const char* file, const TiXmlElement& section, const std::string& where) {
    for (const TiXmlNode* node = section.FirstChild(); node; node = node->NextSibling()) {
        if (const TiXmlElement* inner = node->ToElement())
            reportAtNode(file, *inner, Severity::Warning,
                         "<" + inner->ValueStr() + "> inside " + where +
                             " is ignored with everything inside it");
        else if (node->ToText())
            reportAtNode(file, *node, Severity::Warning, "text inside " + where + " is ignored");
    }
}

}  // namespace

void checkSkinContent(const char* file, const TiXmlElement& skin) {
    const std::string skinName = skin.Attribute("name") ? skin.Attribute("name") : "";
    for (const TiXmlAttribute* a = skin.FirstAttribute(); a; a = a->Next())
        if (a->NameTStr() != "name")
            reportAtNode(file, skin, Severity::Warning,
                         "attribute " + quoted(a->NameTStr()) + " has no effect on " +
                             describeElement(skin) + "; ignored");
    for (const TiXmlElement* section = skin.FirstChildElement(); section;
         section = section->NextSiblingElement()) {
        if (section->ValueStr() == kFontSectionTag)
            continue;  // checked as it is declared
        const std::string where = "<" + section->ValueStr() + "> in skin " + quoted(skinName);
        checkSectionAttributes(file, *section, where);
        checkSectionContent(file, *section, where);
    }
    for (const TiXmlNode* node = skin.FirstChild(); node; node = node->NextSibling())
        if (node->ToText())
            reportAtNode(file, *node, Severity::Warning,
                         "text inside " + describeElement(skin) + " is ignored");
}

}  // namespace trellis
