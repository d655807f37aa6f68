// Loading user-written XML files safely.
#include "files/XmlFile.h"

#include <cstdio>
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

// The whole file, line ends folded.
bool readText(const char* path, std::string& text) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    char chunk[65536];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        text.append(chunk, got);
    std::fclose(file);
    foldLineEnds(text);
    return true;
}

}  // namespace

bool loadXmlFile(TiXmlDocument& document) {
    std::string text;
    if (!readText(document.Value(), text))
        return false;
    text.append(kEndPadding, '\0');
    document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    return !document.Error();
}

}  // namespace trellis
