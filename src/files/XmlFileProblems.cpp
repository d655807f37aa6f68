// Turning the XML reader's failures and silences into diagnostics that say what to fix.
#include "files/XmlFileProblems.h"

#include "diagnostics/DiagnosticText.h"
#include "files/XmlFile.h"
#include "files/XmlReport.h"

#include <cctype>
#include <cstring>
#include <tinyxml.h>
#include <utility>
#include <vector>

namespace trellis {

namespace {

constexpr const char* kNothingLoaded = "; nothing is loaded";
constexpr size_t kExcerptLength = 20;  // bytes of text quoted where the reader stopped

bool isNameByte(unsigned char c) {
    return std::isalnum(c) || c == '_' || c == '-' || c == '.' || c == ':' || c >= 0x80;
}

// Whether the text looks like UTF-16: a byte order mark, or a NUL beside the first character.
bool looksLikeUtf16(const std::string& text, size_t length) {
    if (length < 2)
        return false;
    const unsigned char a = static_cast<unsigned char>(text[0]);
    const unsigned char b = static_cast<unsigned char>(text[1]);
    return (a == 0xff && b == 0xfe) || (a == 0xfe && b == 0xff) || (a == 0) != (b == 0);
}

// The attribute name that starts at offset, if it stands there, followed by '='.
std::string attributeNameAt(const std::string& text, size_t offset) {
    size_t end = offset;
    while (end < text.size() && isNameByte(static_cast<unsigned char>(text[end])))
        ++end;
    size_t after = end;
    while (after < text.size() && std::isspace(static_cast<unsigned char>(text[after])))
        ++after;
    if (end == offset || after >= text.size() || text[after] != '=')
        return std::string();
    return text.substr(offset, end - offset);
}

// The name of an attribute that TinyXML refused at offset because its start tag already has
// one of that name, or empty when the failure there is something else.
std::string duplicatedAttributeAt(const std::string& text, size_t offset) {
    const std::string name = attributeNameAt(text, offset);
    const size_t tagStart = text.rfind('<', offset);
    if (name.empty() || tagStart == std::string::npos)
        return std::string();
    for (size_t at = text.find(name, tagStart); at < offset; at = text.find(name, at + 1)) {
        const bool startsName = std::isspace(static_cast<unsigned char>(text[at - 1]));
        if (startsName && attributeNameAt(text, at) == name)
            return name;
    }
    return std::string();
}

// TinyXML's own description, "Error reading end tag.", as a phrase: "error reading end tag".
std::string tinyXmlPhrase(const TiXmlDocument& document) {
    std::string phrase = document.ErrorDesc();
    if (!phrase.empty() && phrase.back() == '.')
        phrase.pop_back();
    if (!phrase.empty())
        phrase[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(phrase[0])));
    return phrase;
}

// The offset just past the first find after from in text, or text's end.
size_t skipPast(const std::string& text, size_t from, const char* find) {
    const size_t at = text.find(find, from);
    return at == std::string::npos ? text.size() : at + std::strlen(find);
}

// The start tag of the innermost element still open at offset in text, or npos when none is:
// tags matched by name, with comments, CDATA, declarations and quoted values passed over.
size_t openElementAt(const std::string& text, size_t offset) {
    std::vector<std::pair<std::string, size_t>> open;  // names and offsets of open start tags
    for (size_t at = text.find('<'); at < offset; at = text.find('<', at)) {
        if (text.compare(at, 4, "<!--") == 0) {
            at = skipPast(text, at + 4, "-->");
            continue;
        }
        if (text.compare(at, 9, "<![CDATA[") == 0) {
            at = skipPast(text, at + 9, "]]>");
            continue;
        }
        const bool closing = at + 1 < text.size() && text[at + 1] == '/';
        size_t end = at + 1 + closing;
        while (end < text.size() && isNameByte(static_cast<unsigned char>(text[end])))
            ++end;
        const std::string name = text.substr(at + 1 + closing, end - at - 1 - closing);
        // The tag's closing '>', outside its quoted values.
        for (char quote = 0; end < text.size() && (quote || text[end] != '>'); ++end)
            if (text[end] == '"' || text[end] == '\'')
                quote = quote == text[end] ? 0 : quote ? quote : text[end];
        if (name.empty()) {
            at = end;  // a declaration or other markup
        } else if (closing) {
            if (open.empty() || open.back().first != name)
                break;
            open.pop_back();
        } else if (text[end - 1] != '/') {
            open.emplace_back(name, at);
        }
        at = end;
    }
    return open.empty() ? std::string::npos : open.back().second;
}

// For a parse that failed for want of an end tag, " (<label> opened at 56:3 is not closed)"
// naming the element left open, or "".
std::string unclosedElement(const std::string& text, size_t length, const TiXmlDocument& document,
                            TextPlace& place) {
    const int id = document.ErrorId();
    if (id != TiXmlBase::TIXML_ERROR_READING_END_TAG &&
        id != TiXmlBase::TIXML_ERROR_READING_ELEMENT_VALUE)
        return "";
    const size_t stop = place.line > 0 ? offsetOfPlace(text, place.line, place.column) : length;
    const size_t open = openElementAt(text.substr(0, length), stop);
    if (open == std::string::npos)
        return "";
    size_t end = open + 1;
    while (end < length && isNameByte(static_cast<unsigned char>(text[end])))
        ++end;
    const TextPlace opened = placeInText(text, open);
    // A failure without a place of its own is shown where the element opened.
    if (place.line == 0)
        place = opened;
    return ": <" + text.substr(open + 1, end - open - 1) + "> opened at " +
           std::to_string(opened.line) + ":" + std::to_string(opened.column) + " is not closed";
}

// A refused parse: the most telling reason available, at its place.
void reportParseError(const char* file, const std::string& text, size_t length,
                      const TiXmlDocument& document) {
    if (document.ErrorId() == TiXmlBase::TIXML_ERROR_DOCUMENT_EMPTY) {
        size_t first = 0;
        while (first < length && std::isspace(static_cast<unsigned char>(text[first])))
            ++first;
        if (first == length)
            reportAtPlace(file, TextPlace{}, Severity::Error,
                          std::string("the file holds no element") + kNothingLoaded);
        else
            reportAtPlace(file, placeInText(text, first), Severity::Error,
                          "text before the first element: " +
                              quoted(text.substr(first, kExcerptLength)) + kNothingLoaded);
        return;
    }
    TextPlace place{document.ErrorRow(), document.ErrorCol()};
    const std::string duplicated =
        duplicatedAttributeAt(text, offsetOfPlace(text, place.line, place.column));
    if (!duplicated.empty())
        reportAtPlace(file, place, Severity::Error,
                      "attribute " + quoted(duplicated) + " appears twice in one start tag" +
                          kNothingLoaded);
    else {
        const std::string unclosed = unclosedElement(text, length, document, place);
        reportAtPlace(file, place, Severity::Error,
                      "malformed XML (" + tinyXmlPhrase(document) + ")" + unclosed +
                          kNothingLoaded);
    }
}

// Markup that TinyXML keeps as an unknown node, which no loader reads: a DOCTYPE, a stray
// end tag at the top level, "<!" anything. Reported in document order, at any depth.
void reportUnknownNodes(const char* file, const TiXmlNode& parent) {
    for (const TiXmlNode* node = parent.FirstChild(); node; node = node->NextSibling()) {
        if (node->Type() == TiXmlNode::TINYXML_UNKNOWN) {
            const std::string markup = node->ValueStr();
            if (markup.compare(0, 8, "!DOCTYPE") == 0)
                reportAtNode(file, *node, Severity::Warning, "a DOCTYPE is not read; ignored");
            else
                reportAtNode(file, *node, Severity::Warning,
                             "unknown markup " + quoted("<" + markup + ">") + "; ignored");
        }
        reportUnknownNodes(file, *node);
    }
}

}  // namespace

void reportUnreadXmlFile(const char* file, const std::string& problem) {
    reportAtPlace(file, TextPlace{}, Severity::Error,
                  "cannot read the file: " + problem + kNothingLoaded);
}

void reportXmlBeyondLimits(const char* file, const std::string& text, const XmlShape& shape) {
    std::string what;
    if (shape.nesting > kMaxXmlNesting)
        what = "elements nest more than " + std::to_string(kMaxXmlNesting) + " levels deep";
    else if (shape.attributes > kMaxXmlAttributes)
        what = "an element has more than " + std::to_string(kMaxXmlAttributes) + " attributes";
    else
        what =
            "the elements' nesting depths add up to more than " + std::to_string(kMaxXmlDepthWork);
    const TextPlace place =
        shape.beyondAt >= 0 ? placeInText(text, static_cast<size_t>(shape.beyondAt)) : TextPlace{};
    reportAtPlace(file, place, Severity::Error,
                  "refused before parsing: " + what + " (the limit)" + kNothingLoaded);
}

void reportXmlParse(const char* file, const std::string& text, size_t length,
                    const TiXmlDocument& document, const char* end) {
    if (looksLikeUtf16(text, length)) {
        reportAtPlace(file, TextPlace{1, 1}, Severity::Error,
                      std::string("the file is UTF-16; only UTF-8 is read") +
                          (document.Error() ? kNothingLoaded : "; its text is misread"));
        return;
    }
    // TinyXML reads a C string: a NUL byte ends the text for it, wherever it stands.
    const size_t nul = std::strlen(text.c_str());
    if (nul < length) {
        reportAtPlace(
            file, placeInText(text, nul), Severity::Error,
            std::string("a NUL byte: the XML reader stops here") +
                (document.Error() ? kNothingLoaded : "; the rest of the file is ignored"));
        return;
    }
    if (document.Error()) {
        reportParseError(file, text, length, document);
        return;
    }
    reportUnknownNodes(file, document);
    // Parse stops at the first top-level byte that starts no node, without an error.
    if (end && *end) {
        const size_t offset = static_cast<size_t>(end - text.c_str());
        reportAtPlace(file, placeInText(text, offset), Severity::Error,
                      "the XML reader stops here, at " +
                          quoted(text.substr(offset, kExcerptLength)) +
                          "; the rest of the file is ignored");
    }
}

}  // namespace trellis
