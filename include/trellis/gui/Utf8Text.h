// UTF-8 text one character at a time: decoding with a safe answer for malformed bytes,
// encoding, and which characters a line of text may hold. Editing reads a malformed byte as
// U+FFFD, so that it is never taken for a character; drawing (trellis/font/Utf8Decode.h) reads it
// as Latin-1, so that Latin-1 files draw as before. Both check sequences with the same code.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace trellis {

// Stands for a malformed UTF-8 byte, and is drawn as no font's own character.
constexpr unsigned int kReplacementCharacter = 0xFFFD;

// The code point that starts at byte at of utf8 (at < utf8.size()), with length set to the bytes
// it takes. A byte that starts no well-formed sequence (a stray continuation, a sequence cut
// short, an overlong form, a surrogate or a code beyond U+10FFFF) gives kReplacementCharacter
// with length 1 and valid false.
unsigned int decodeUtf8(const std::string& utf8, size_t at, size_t& length, bool* valid = nullptr);

// Appends the UTF-8 form of codepoint; a surrogate or a code beyond U+10FFFF appends
// kReplacementCharacter.
void appendUtf8(std::string& utf8, unsigned int codepoint);

// The code points of a UTF-8 text, calling each(codepoint) in order; a malformed byte counts
// as one code point that no font draws (kReplacementCharacter).
void forEachCodepoint(const std::string& utf8, const std::function<void(unsigned int)>& each);

// The number of code points in utf8[from, to), a malformed byte counting as one.
size_t countCharacters(const std::string& utf8, size_t from = 0, size_t to = std::string::npos);

// Whether byte at of utf8 is where a character starts (or the end): not inside a well-formed
// sequence.
bool isCharacterStart(const std::string& utf8, size_t at);

// Whether codepoint may stand in a line of text: any character but the controls (C0, DEL, C1),
// surrogates and noncharacters.
bool isTextCharacter(unsigned int codepoint);

}  // namespace trellis
