// Places in XML text and reports made at them.
#include "files/XmlReport.h"

#include "diagnostics/DiagnosticText.h"
#include "trellis/diagnostics/DiagnosticSink.h"

#include <tinyxml.h>

namespace trellis {

namespace {

constexpr int kTabSize = 4;  // TiXmlDocument's default

// Moves place past the byte at text[i] and returns the index of the next byte counted: a
// UTF-8 character's continuation bytes take no column.
size_t stepPlace(const std::string& text, size_t i, TextPlace& place) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
        ++place.line;
        place.column = 1;
    } else if (c == '\t') {
        place.column = ((place.column - 1) / kTabSize + 1) * kTabSize + 1;
    } else if (c < 0x80 || c >= 0xc0) {
        ++place.column;
    }
    return i + 1;
}

}  // namespace

TextPlace placeInText(const std::string& text, size_t offset) {
    TextPlace place{1, 1};
    for (size_t i = 0; i < offset && i < text.size();)
        i = stepPlace(text, i, place);
    return place;
}

size_t offsetOfPlace(const std::string& text, int line, int column) {
    TextPlace place{1, 1};
    size_t i = 0;
    while (i < text.size() && (place.line < line || (place.line == line && place.column < column)))
        i = stepPlace(text, i, place);
    return i;
}

void reportAtPlace(const char* file, TextPlace place, Severity severity,
                   const std::string& message) {
    reportDiagnostic(Diagnostic{file ? file : "", place.line, place.column, severity, message});
}

void reportAtNode(const char* file, const TiXmlBase& node, Severity severity,
                  const std::string& message) {
    reportAtPlace(file, TextPlace{node.Row(), node.Column()}, severity, message);
}

std::string describeElement(const TiXmlElement& element) {
    const char* name = element.Attribute("name");
    if (!name)
        return "<" + element.ValueStr() + ">";
    return "<" + element.ValueStr() + " name=" + quoted(name) + ">";
}

}  // namespace trellis
