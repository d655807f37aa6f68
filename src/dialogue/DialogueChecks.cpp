// The dialogue loader's reports: unknown tags, unread attributes and clashing names.
#include "dialogue/DialogueChecks.h"

#include "diagnostics/DiagnosticText.h"
#include "diagnostics/NameSuggestion.h"
#include "dialogue/ElementTagTable.h"
#include "dialogue/XmlAttributes.h"
#include "style/SkinLookupLog.h"
#include "style/StyleValueChecks.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/SkinClasses.h"

#include <tinyxml.h>

namespace trellis {

namespace {

// The attributes that the loader and the element classes read: one of them unread on an element
// does nothing there, while any other name is unknown (a typo, most likely).
const std::unordered_set<std::string>& knownAttributes() {
    static const std::unordered_set<std::string> known = {
        "name",        "x",           "y",           "width",        "height",
        "bgColor",     "u0",          "v0",          "u1",           "v1",
        "texture",     "onMouseDown", "onLeftClick", "onRightClick", "onMiddleClick",
        "text",        "fontSize",    "fontColor",   "title",        "border",
        "borderColor", "maxLength",   "onChange",    "onSubmit",     "scroll",
        "movable",     "closable",    "onClose",     "min",          "max",
        "step",        "value",       "src",         "checked",      "align",
        "padding",     "spacing",     "columns",     "overflow",     "wrap",
        "multiple",    "selected",    "context",     "onSelect",     "visible",
        "enabled",     "tooltip",     "modal",       "password",     "placeholder",
        "group",       "image"};
    return known;
}

bool isKnownAttribute(const std::string& name) {
    return knownAttributes().count(name) != 0;
}

// The hint naming the attribute that an unknown name most likely meant: one that the element
// read, that some element reads, or that a skin reads.
std::string attributeHint(const std::string& name, const XmlAttributes& attributes,
                          const std::unordered_set<std::string>& readSomewhere) {
    NameSuggestion suggestion(name);
    for (const auto* names : {&attributes.namesRead(), &knownAttributes(), &readSomewhere})
        for (const std::string& candidate : *names)
            suggestion.consider(candidate);
    for (const auto& [candidate, kind] : styleAttributes())
        suggestion.consider(candidate);
    return suggestion.hint();
}

std::string placeText(TextPlace place) {
    return std::to_string(place.line) + ":" + std::to_string(place.column);
}

}  // namespace

void DialogueChecks::skipped(const TiXmlElement& element) {
    NameSuggestion suggestion(element.ValueStr());
    // The tags that build an element: an unknown one is most likely a typo of one of them.
    for (const char* tag : builtInTags())
        suggestion.consider(tag);
    reportAtNode(fileName, element, Severity::Warning,
                 "unknown tag " + describeElement(element) + suggestion.hint() +
                     "; skipped with everything inside it");
}

void DialogueChecks::built(const TiXmlElement& xml, const XmlAttributes& attributes,
                           const GuiElement& element, const SkinLookupLog* skinLookups) {
    checkName(xml, element);
    // A stand-in's attributes are read by a class the checker does not have.
    if (!isStandInTag(xml.Value()))
        checkUnread(xml, attributes, skinLookups);
}

void DialogueChecks::itemRead(const TiXmlElement& xml, const XmlAttributes& attributes) {
    checkUnread(xml, attributes, nullptr);
}

void DialogueChecks::checkName(const TiXmlElement& xml, const GuiElement& element) {
    const std::string& name = element.name;
    if (name.empty())
        return;
    const TextPlace here{xml.Row(), xml.Column()};
    const auto holder = elementRegistry.find(name);
    if (holder != elementRegistry.end() && holder->second != &element) {
        const auto first = firstByName.find(name);
        const std::string where =
            first != firstByName.end() ? " (first at " + placeText(first->second) + ")" : "";
        reportAtPlace(fileName, here, Severity::Warning,
                      "duplicate element name " + quoted(name) + where + ": this <" +
                          xml.ValueStr() +
                          "> is built, but the name stays with the first while it lives");
    }
    firstByName.emplace(name, here);
    if (name == "style")
        reportAtPlace(fileName, here, Severity::Warning,
                      "element name \"style\" is the tag of a skin's style class sections: only "
                      "a <style> section without \"class\" styles it");
    if (isSkinClassName(name) || name == element.skinClass)
        reportAtPlace(fileName, here, Severity::Warning,
                      "element name " + quoted(name) +
                          " is also a skin class: the skin's section of that class styles it "
                          "as its own");
}

void DialogueChecks::checkUnread(const TiXmlElement& xml, const XmlAttributes& attributes,
                                 const SkinLookupLog* skinLookups) {
    const std::string element = describeElement(xml);
    for (const TiXmlAttribute* a = xml.FirstAttribute(); a; a = a->Next())
        if (attributes.wasRead(a->NameTStr()))
            readSomewhere.insert(a->NameTStr());
    for (const TiXmlAttribute* a = xml.FirstAttribute(); a; a = a->Next()) {
        const std::string& name = a->NameTStr();
        if (attributes.wasRead(name))
            continue;
        const StyleKind* kind = styleAttributeKind(name);
        if (kind && isSkinOnlyKind(*kind)) {
            reportAtNode(fileName, xml, Severity::Warning,
                         "attribute " + quoted(name) + " on " + element +
                             " is a skin's: only a skin file's sections give it; ignored");
        } else if (skinLookups && skinLookups->wasAsked(name)) {
            // Read only through the element's style section: its value is the skin's to parse.
            const std::string problem = kind ? styleValueProblem(*kind, a->Value()) : "";
            if (!problem.empty())
                reportAtNode(fileName, xml, Severity::Warning,
                             "attribute " + quoted(name) + " on " + element + ": " + problem);
        } else if (kind && !skinLookups) {
            reportAtNode(fileName, xml, Severity::Warning,
                         "attribute " + quoted(name) + " on " + element +
                             " has no effect without a name; ignored");
        } else if (isKnownAttribute(name) || readSomewhere.count(name)) {
            reportAtNode(fileName, xml, Severity::Warning,
                         "attribute " + quoted(name) + " has no effect on " + element +
                             "; ignored");
        } else {
            reportAtNode(fileName, xml, Severity::Warning,
                         "unknown attribute " + quoted(name) + " on " + element +
                             attributeHint(name, attributes, readSomewhere) + "; ignored");
        }
    }
}

}  // namespace trellis
