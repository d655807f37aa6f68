// Loading user-written XML files safely.
#include "skin/XmlFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <tinyxml.h>

namespace {

// TinyXML steps over a UTF-8 character by the length its first byte announces, also when the
// text ends inside the character: past the terminating NUL and out of its buffer. Parsing from a
// copy that ends in more NULs than any character is long keeps every such step inside.
constexpr size_t kEndPadding = 8;

// The whole file, with CR LF and lone CR folded to LF as TinyXML's LoadFile does.
bool readText(const char* path, std::string& text) {
    FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    std::string raw;
    char chunk[4096];
    for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;)
        raw.append(chunk, got);
    std::fclose(file);
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\r') {
            text += raw[i];
        } else {
            text += '\n';
            if (i + 1 < raw.size() && raw[i + 1] == '\n')
                ++i;
        }
    }
    return true;
}

}  // namespace

bool loadXmlFile(TiXmlDocument& document) {
    std::error_code error;
    if (std::filesystem::is_directory(document.Value(), error))
        return false;
    std::string text;
    if (!readText(document.Value(), text))
        return false;
    text.append(kEndPadding, '\0');
    document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    return !document.Error();
}
