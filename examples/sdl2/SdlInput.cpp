// SDL 2's key codes and UTF-8 text translated for trellis.
#include "SdlInput.h"

#include <trellis/gui/KeyCodes.h>

int trellisKey(SDL_Keycode key) {
    // Letters: SDL names them by their lower-case character, trellis by the capital.
    if (key >= SDLK_a && key <= SDLK_z)
        return 'A' + (key - SDLK_a);
    // Digits, Space and the punctuation keys are their ASCII characters in both.
    if ((key >= SDLK_0 && key <= SDLK_9) || key == SDLK_SPACE || key == SDLK_QUOTE ||
        (key >= SDLK_COMMA && key <= SDLK_SLASH) || key == SDLK_SEMICOLON || key == SDLK_EQUALS ||
        (key >= SDLK_LEFTBRACKET && key <= SDLK_RIGHTBRACKET) || key == SDLK_BACKQUOTE)
        return key;
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return trellis::kKeyEnter;
    case SDLK_TAB:
        return trellis::kKeyTab;
    case SDLK_BACKSPACE:
        return trellis::kKeyBackspace;
    case SDLK_DELETE:
        return trellis::kKeyDelete;
    case SDLK_RIGHT:
        return trellis::kKeyRight;
    case SDLK_LEFT:
        return trellis::kKeyLeft;
    case SDLK_DOWN:
        return trellis::kKeyDown;
    case SDLK_UP:
        return trellis::kKeyUp;
    case SDLK_HOME:
        return trellis::kKeyHome;
    case SDLK_END:
        return trellis::kKeyEnd;
    case SDLK_LSHIFT:
        return trellis::kKeyLeftShift;
    case SDLK_RSHIFT:
        return trellis::kKeyRightShift;
    case SDLK_LCTRL:
        return trellis::kKeyLeftControl;
    case SDLK_RCTRL:
        return trellis::kKeyRightControl;
    case SDLK_LALT:
        return trellis::kKeyLeftAlt;
    case SDLK_RALT:
        return trellis::kKeyRightAlt;
    case SDLK_LGUI:
        return trellis::kKeyLeftSuper;
    case SDLK_RGUI:
        return trellis::kKeyRightSuper;
    default:
        return -1;
    }
}

std::vector<unsigned int> codePoints(const char* utf8) {
    std::vector<unsigned int> result;
    const auto* byte = reinterpret_cast<const unsigned char*>(utf8);
    while (*byte) {
        // The lead byte gives the length and the first bits; continuation bytes are 10xxxxxx.
        int length = *byte < 0x80       ? 1
                     : *byte >> 5 == 6  ? 2
                     : *byte >> 4 == 14 ? 3
                     : *byte >> 3 == 30 ? 4
                                        : 0;
        if (length == 0) {
            ++byte;
            continue;
        }
        unsigned int codepoint = length == 1 ? *byte : *byte & (0x7f >> length);
        int read = 1;
        while (read < length && (byte[read] & 0xc0) == 0x80)
            codepoint = codepoint << 6 | (byte[read++] & 0x3f);
        if (read == length)
            result.push_back(codepoint);
        byte += read;
    }
    return result;
}
