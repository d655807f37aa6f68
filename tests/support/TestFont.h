// Test support: a small synthetic texture font with round metrics and solid texels, and
// helpers that hand font bytes to the reader and the loader through real files.
#pragma once

#include "support/TempFolder.h"
#include "trellis/font/FontFile.h"

#include <cstdio>
#include <string>
#include <vector>

namespace trellis {

// The test font's line height in font units: record 0's glyphHeight.
constexpr float kTestLineHeight = 0.05f;

// The test font covers the printable ASCII codes. Every glyph is half a line wide, except 'W'
// (a whole line, and a glyphHeight of its own that must be ignored) and 'i' (a quarter
// line). Glyphs sample the opaque white left half of the texture; the space samples the right
// half, white with alpha 12, which the alpha test discards, so a space leaves a clean gap.
inline FontFileContents makeTestFont() {
    constexpr int kSide = 8, kFirst = 32, kLast = 126;
    const GlyphRecord solid{kTestLineHeight / 2, kTestLineHeight, 0.125f, 0.25f, 0.375f, 0.75f};
    FontFileContents font;
    font.header = GlfHeader{77, kSide, kSide, kFirst, kLast, 1234};
    font.glyphs.assign(kLast - kFirst + 1, solid);
    font.glyphs[' ' - kFirst] = {
        kTestLineHeight / 2, kTestLineHeight, 0.625f, 0.25f, 0.875f, 0.75f};
    font.glyphs['W' - kFirst].glyphWidth = kTestLineHeight;
    font.glyphs['W' - kFirst].glyphHeight = 10 * kTestLineHeight;
    font.glyphs['i' - kFirst].glyphWidth = kTestLineHeight / 4;
    for (int row = 0; row < kSide; ++row) {
        for (int column = 0; column < kSide; ++column) {
            font.texels.push_back(255);
            font.texels.push_back(column < kSide / 2 ? 255 : 12);
        }
    }
    return font;
}

// Writes bytes to a scratch file and opens it for reading in binary mode, as start-up opens
// the font. The file goes with its folder at once; the open stream keeps its contents.
inline FILE* openBytes(const std::vector<unsigned char>& bytes) {
    TempFolder folder;
    return std::fopen(folder.write("font.glf", std::string(bytes.begin(), bytes.end())).c_str(),
                      "rb");
}

}  // namespace trellis
