// SDL 2's input as trellis's host API takes it: SDL key codes to trellis's key numbers
// (trellis/gui/KeyCodes.h), and SDL_TEXTINPUT's UTF-8 text to Unicode code points.
#pragma once

#include <SDL.h>

#include <vector>

// The trellis key number for an SDL key code (letters as ASCII capitals, the named keys as
// KeyCodes.h lists them), or -1 for a key that no trellis element reads.
int trellisKey(SDL_Keycode key);

// The code points of a UTF-8 text, as SDL_TEXTINPUT delivers it; a malformed byte is skipped.
std::vector<unsigned int> codePoints(const char* utf8);
