// UTF-8 decoding that never fails: malformed bytes read as Latin-1.
#include "trellis/font/Utf8Decode.h"

namespace trellis {

unsigned int nextCharacter(const char* text, size_t& at) {
    const auto* p = reinterpret_cast<const unsigned char*>(text) + at;
    const unsigned int lead = p[0];
    int length = 0;
    unsigned int code = 0, least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        ++at;
        return lead;
    }
    // The zero byte ending the text is no continuation byte, so the loop never passes it.
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            ++at;
            return lead;
        }
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++at;
        return lead;
    }
    at += size_t(length);
    return code;
}

bool isControlCharacter(unsigned int code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

}  // namespace trellis
