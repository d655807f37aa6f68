// UTF-8 decoding that never fails: malformed bytes read as Latin-1.
#include "trellis/font/Utf8Decode.h"

#include <cstdint>

namespace trellis {

size_t wellFormedSequence(const unsigned char* bytes, size_t available, unsigned int& code) {
    const unsigned int lead = bytes[0];
    size_t length = 0;
    unsigned int least = 0;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (length > available)
        return 0;
    // A zero byte is no continuation byte, so the loop never reads past a text's end.
    for (size_t i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    // The shortest form only, and no surrogate or code past the last: each has one reading.
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

unsigned int nextCharacter(const char* text, size_t& at) {
    const auto* p = reinterpret_cast<const unsigned char*>(text) + at;
    unsigned int code = 0;
    const size_t length = wellFormedSequence(p, SIZE_MAX, code);
    at += length ? length : 1;
    return length ? code : p[0];
}

bool isControlCharacter(unsigned int code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

}  // namespace trellis
