// Loading user-written XML files safely.
#include "files/XmlFile.h"

#include "files/RegularFile.h"
#include "files/XmlFileProblems.h"
#include "files/XmlShape.h"
#include "trellis/diagnostics/DiagnosticSink.h"

#include <string>
#include <tinyxml.h>

namespace trellis {

namespace {

// TinyXML steps over a UTF-8 character by the length its first byte announces, also when the
// text ends inside the character: past the terminating NUL and out of its buffer. Parsing from a
// copy that ends in more NULs than any character is long keeps every such step inside.
constexpr size_t kEndPadding = 8;

// Folds CR LF and lone CR to LF in place, as TinyXML's LoadFile does.
void foldLineEnds(std::string& text) {
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            text[kept++] = text[i];
        } else {
            text[kept++] = '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        }
    }
    text.resize(kept);
}

// The whole file, line ends folded, followed by the end padding.
bool readText(const char* path, std::string& text, std::string* problem) {
    if (!readRegularFile(path, kMaxXmlFileBytes, text, problem))
        return false;
    foldLineEnds(text);
    text.append(kEndPadding, '\0');
    return true;
}

}  // namespace

bool loadXmlFile(TiXmlDocument& document) {
    const char* path = document.Value();
    // Explanations are worked out only for a handler that will read them.
    const bool explain = diagnosticsWanted();
    std::string text, problem;
    if (!readText(path, text, explain ? &problem : nullptr)) {
        if (explain)
            reportUnreadXmlFile(path, problem);
        return false;
    }
    // Measured before TinyXML sees the text: too deep a file would overflow the stack in its
    // parser, and too many attributes would keep it busy for minutes.
    const XmlShape shape =
        scanXmlShape(text.c_str(), kMaxXmlNesting, kMaxXmlAttributes, kMaxXmlDepthWork);
    if (shape.nesting > kMaxXmlNesting || shape.attributes > kMaxXmlAttributes ||
        shape.depthWork > kMaxXmlDepthWork) {
        if (explain)
            reportXmlBeyondLimits(path, text, shape);
        return false;
    }
    const char* end = document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (explain)
        reportXmlParse(path, text, text.size() - kEndPadding, document, end);
    return !document.Error();
}

}  // namespace trellis
