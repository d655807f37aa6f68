// Fuzzes the texture font file reader: the in-memory parser and the stream reader must agree,
// a parsed font must encode back to the bytes it came from, and text measured with its glyph
// table must stay within the table.
#include "trellis/font/FontFile.h"
#include "trellis/font/TextureFont.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

using namespace trellis;

namespace {

// Every byte value, with tabs and line feeds among them, so that each glyph lookup is tried.
const char* everyByte() {
    static char text[256];
    for (int i = 1; i < 256; ++i)
        text[i - 1] = static_cast<char>(i);
    text[255] = 0;
    return text;
}

void check(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool sameContents(const FontFileContents& a, const FontFileContents& b) {
    return std::memcmp(&a.header, &b.header, sizeof a.header) == 0 &&
           a.glyphs.size() == b.glyphs.size() &&
           std::memcmp(a.glyphs.data(), b.glyphs.data(), a.glyphs.size() * sizeof(GlyphRecord)) ==
               0 &&
           a.texels == b.texels;
}

// Measures with the parsed glyph table as the loader would install it, without GL.
void measureWith(FontFileContents& font) {
    firstChar = font.header.firstChar;
    lastChar = font.header.lastChar;
    glyphTable = std::move(font.glyphs);
    fontLoaded = true;
    float width = 0, height = 0;
    measureText(everyByte(), 2.0f, width, height);
    measureTextWidth("\tab\ncd\t");
    releaseGlyphTable();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FontFileContents parsed;
    std::string parseProblem;
    const bool parsedOk = parseFontFile(data, size, parsed, &parseProblem);
    // A refusal always says why, on one line.
    check(parsedOk == parseProblem.empty() && parseProblem.find('\n') == std::string::npos);

    FontFileContents read;
    bool readOk = false;
    std::string readProblem;
    if (size > 0) {
        // fmemopen wants a writable buffer even for reading.
        std::vector<unsigned char> copy(data, data + size);
        if (FILE* file = fmemopen(copy.data(), copy.size(), "rb"))
            readOk = readFontFile(file, read, &readProblem);
        check(readOk == readProblem.empty());
    }
    check(readOk == parsedOk);
    if (!parsedOk)
        return 0;
    check(sameContents(parsed, read));

    // Bytes after the texels are not read, so the encoding is a prefix of the input.
    const std::vector<unsigned char> encoded = encodeFontFile(parsed);
    check(encoded.size() <= size && std::memcmp(encoded.data(), data, encoded.size()) == 0);
    measureWith(parsed);
    return 0;
}
