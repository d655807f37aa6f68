// Reading text one character at a time as drawing sees it: UTF-8, with any byte that starts no
// well-formed sequence taken as the Latin-1 character of the same code.
#pragma once

#include <cstddef>

namespace trellis {

// The length of the well-formed UTF-8 sequence at bytes (at most available bytes read; a zero
// byte ends it too), with code set to its code point; 0 when the bytes start none: a stray
// continuation byte, a sequence cut short, an overlong form, a surrogate or a code beyond
// U+10FFFF. The one check of UTF-8 every decoder here uses; what a bad byte reads as is theirs.
size_t wellFormedSequence(const unsigned char* bytes, size_t available, unsigned int& code);

// The code point starting at text[at] (text ends with a zero byte, which at must not be on),
// with at moved past it. A byte that starts no well-formed UTF-8 sequence is its own Latin-1
// character, so that Latin-1 text reads as it always did.
unsigned int nextCharacter(const char* text, size_t& at);

// Whether code is a control character (C0, DEL or C1): drawn as nothing, never as a missing glyph.
bool isControlCharacter(unsigned int code);

}  // namespace trellis
