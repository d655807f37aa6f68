// Typed attribute reads over any attribute source, telling the source about values they had
// to refuse or read in part.
#include "trellis/gui/AttributeSource.h"

#include "diagnostics/DiagnosticText.h"
#include "diagnostics/NameSuggestion.h"
#include "style/StyleValueChecks.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/style/SkinValues.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace trellis {

namespace {

// Passes a problem with the attribute's value to the source, if there is one.
void reportIfAny(const AttributeSource& element, const char* name, const std::string& problem) {
    if (!problem.empty())
        element.reportValue(name, problem);
}

}  // namespace

void AttributeSource::reportValue(const char*, const std::string&) const {}

const char* AttributeSource::sourcePath() const {
    return nullptr;
}

const char* textAttribute(const AttributeSource& element, const char* name) {
    return element.find(name);
}

bool readNumberAttribute(const AttributeSource& element, const char* name, double& field) {
    const char* text = element.find(name);
    if (text && diagnosticsWanted())
        reportIfAny(element, name, numberProblem(text, "ignored"));
    // The same scan as TinyXML's QueryDoubleAttribute, so files read as they always have.
    double value = 0;
    if (!text || std::sscanf(text, "%lf", &value) != 1)
        return false;
    // "nan" or "inf" would make an element vanish, or a range meaningless: no number at all.
    if (!std::isfinite(value))
        return false;
    field = value;
    return true;
}

bool readNumberAttribute(const AttributeSource& element, const char* name, float& field) {
    double value = 0;
    if (!readNumberAttribute(element, name, value))
        return false;
    // A finite number beyond the float range still saturates, as lengths always have.
    field = static_cast<float>(value);
    return true;
}

bool readColorAttribute(const AttributeSource& element, const char* name, Color& field) {
    const char* text = element.find(name);
    if (!text)
        return false;
    if (diagnosticsWanted())
        reportIfAny(element, name, colorProblem(text));
    field = parseColorText(text);
    return true;
}

bool readFontSizeAttribute(const AttributeSource& element, const char* name, float& field) {
    float given = 0;
    if (!readNumberAttribute(element, name, given))
        return false;
    if (!isUsableFontSize(given)) {
        element.reportValue(name,
                            quoted(element.find(name)) + " is not a size above zero; ignored");
        return false;
    }
    field = given;
    return true;
}

bool flagAttribute(const AttributeSource& element, const char* name) {
    const char* text = element.find(name);
    if (text && std::strcmp(text, "0") != 0 && std::strcmp(text, "1") != 0)
        element.reportValue(name, quoted(text) + " counts as on: only \"0\" turns it off");
    return !(text && std::strcmp(text, "0") == 0);
}

bool optInAttribute(const AttributeSource& element, const char* name) {
    const char* text = element.find(name);
    if (text && std::strcmp(text, "0") != 0 && std::strcmp(text, "1") != 0)
        element.reportValue(name, quoted(text) + " counts as off: only \"1\" turns it on");
    return text && std::strcmp(text, "1") == 0;
}

bool readCallbackAttribute(const AttributeSource& element, const char* name, Callback& slot) {
    const char* callbackName = element.find(name);
    if (!callbackName)
        return false;
    if (bindCallback(callbackName, slot))
        return true;
    NameSuggestion suggestion(callbackName);
    for (const auto& [registered, callback] : callbackTable)
        suggestion.consider(registered);
    element.reportValue(name, "no callback named " + quoted(callbackName) + " is registered" +
                                  suggestion.hint() + "; the event does nothing");
    return false;
}

}  // namespace trellis
