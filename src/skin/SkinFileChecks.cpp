// The skin loader's reports on the content of the skin it loads.
#include "skin/SkinFileChecks.h"

#include "diagnostics/DiagnosticText.h"
#include "diagnostics/NameSuggestion.h"
#include "files/XmlReport.h"
#include "skin/SkinDocumentOutline.h"
#include "skin/SkinFonts.h"
#include "skin/SkinImageChecks.h"
#include "style/StyleValueChecks.h"
#include "trellis/gui/SkinClasses.h"

#include <algorithm>

#include <tinyxml.h>

namespace trellis {

namespace {

// Reports each attribute of section that no lookup reads, or whose value reads otherwise.
void checkSectionAttributes(const char* file, const TiXmlElement& section,
                            const std::string& where) {
    for (const TiXmlAttribute* a = section.FirstAttribute(); a; a = a->Next()) {
        const std::string& name = a->NameTStr();
        if (name == "class" && isStyleClassSection(section))
            continue;
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

// Reports a state section ("button:hovr") whose state no element draws, with the state it most
// likely meant, and a class's state that the class has no look for ("window:pressed").
void checkSectionState(const char* file, const TiXmlElement& section, const std::string& where) {
    const std::string name = skinSectionName(section);
    const size_t colon = name.rfind(':');
    if (colon == std::string::npos)
        return;
    const std::string owner = name.substr(0, colon), state = name.substr(colon + 1);
    const std::vector<std::string>& known = lookStateNames();
    if (std::find(known.begin(), known.end(), state) == known.end()) {
        NameSuggestion suggestion(state);
        for (const std::string& candidate : known)
            suggestion.consider(candidate);
        reportAtNode(file, section, Severity::Warning,
                     "unknown state " + quoted(state) + " in " + where + suggestion.hint() +
                         "; never applied");
        return;
    }
    if (!isSkinClassName(owner))
        return;
    const std::vector<std::string> states = lookStatesOf(owner);
    if (std::find(states.begin(), states.end(), state) != states.end())
        return;
    std::string offered;
    for (const std::string& each : states)
        offered += (offered.empty() ? "" : ", ") + quoted(each);
    reportAtNode(file, section, Severity::Warning,
                 where + ": a " + owner + " has no " + quoted(state) + " look (" +
                     (offered.empty() ? std::string("it has none") : "its states: " + offered) +
                     "); never applied");
}

}  // namespace

void checkSkinContent(const char* file, const TiXmlElement& skin) {
    const std::string skinName = skin.Attribute("name") ? skin.Attribute("name") : "";
    for (const TiXmlAttribute* a = skin.FirstAttribute(); a; a = a->Next())
        if (a->NameTStr() != "name" && a->NameTStr() != "base")
            reportAtNode(file, skin, Severity::Warning,
                         "attribute " + quoted(a->NameTStr()) + " has no effect on " +
                             describeElement(skin) + "; ignored");
    for (const TiXmlElement* section = skin.FirstChildElement(); section;
         section = section->NextSiblingElement()) {
        if (section->ValueStr() == kFontSectionTag)
            continue;  // checked as it is declared
        const std::string where = "<" + skinSectionName(*section) + "> in skin " + quoted(skinName);
        if (section->ValueStr() == "style" && !isStyleClassSection(*section))
            reportAtNode(file, *section, Severity::Warning,
                         "<style> in skin " + quoted(skinName) +
                             " has no \"class\": it styles only an element named \"style\"");
        checkSectionState(file, *section, where);
        checkSectionAttributes(file, *section, where);
        checkSectionImage(file, *section, where);
        checkSectionContent(file, *section, where);
    }
    for (const TiXmlNode* node = skin.FirstChild(); node; node = node->NextSibling())
        if (node->ToText())
            reportAtNode(file, *node, Severity::Warning,
                         "text inside " + describeElement(skin) + " is ignored");
}

}  // namespace trellis
