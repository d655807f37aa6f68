// Quoting user text inside diagnostic messages.
#include "diagnostics/DiagnosticText.h"

#include <cstdio>

namespace trellis {

namespace {

constexpr size_t kQuotedLength = 60;  // bytes of user text shown before it is cut short

}  // namespace

std::string quoted(const std::string& text) {
    std::string result = "\"";
    size_t shown = text.size() > kQuotedLength ? kQuotedLength : text.size();
    // A cut falls between characters, not inside a UTF-8 one.
    while (shown < text.size() && shown > 0 &&
           (static_cast<unsigned char>(text[shown]) & 0xc0) == 0x80)
        --shown;
    for (size_t i = 0; i < shown; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '"' || c == '\\') {
            result += '\\';
            result += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", c);
            result += escape;
        } else {
            result += static_cast<char>(c);
        }
    }
    if (shown < text.size())
        result += "...";
    return result + "\"";
}

}  // namespace trellis
