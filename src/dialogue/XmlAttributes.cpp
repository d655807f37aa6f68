// Reading a dialogue element's attributes and reporting on their values.
#include "dialogue/XmlAttributes.h"

#include "diagnostics/DiagnosticText.h"
#include "files/XmlReport.h"
#include "trellis/diagnostics/DiagnosticSink.h"

namespace trellis {

XmlAttributes::XmlAttributes(const TiXmlElement& element, const char* fileName, bool noting)
    : element(element), fileName(fileName), noting(noting) {}

const char* XmlAttributes::find(const char* name) const {
    if (noting)
        read.insert(name);
    return element.Attribute(name);
}

void XmlAttributes::reportValue(const char* name, const std::string& what) const {
    if (diagnosticsWanted())
        reportAtNode(fileName, element, Severity::Warning,
                     "attribute " + quoted(name) + " on " + describeElement(element) + ": " + what);
}

}  // namespace trellis
