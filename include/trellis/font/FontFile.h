// The texture font file format: its header, glyph records and texel block,
// and a reader that validates a file before anything trusts it. No GL here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace trellis {

// The 24-byte file header; all fields little-endian.
struct GlfHeader {
    int32_t textureName;    // ignored on load: replaced by the GL's texture name
    int32_t textureWidth;   // texel image width
    int32_t textureHeight;  // texel image height
    int32_t firstChar;      // code of the first glyph record (signed 8-bit range)
    int32_t lastChar;       // code of the last glyph record
    int32_t glyphTableRef;  // ignored on load
};

// One 24-byte glyph record: advance and line height in font units, texture rectangle.
struct GlyphRecord {
    float glyphWidth;   // advance in font units
    float glyphHeight;  // line height in font units (read from record 0 only)
    float texLeft;      // s of the left edge
    float texTop;       // t of the top edge
    float texRight;     // s of the right edge
    float texBottom;    // t of the bottom edge
};

// Everything a font file holds, once read and validated.
struct FontFileContents {
    GlfHeader header{};                 // the header as stored
    std::vector<GlyphRecord> glyphs;    // lastChar - firstChar + 1 records
    std::vector<unsigned char> texels;  // 2 bytes (luminance, alpha) per texel, rows from t = 0
};

constexpr size_t kGlfHeaderSize = 24;          // bytes in the header
constexpr size_t kGlyphRecordSize = 24;        // bytes in one glyph record
constexpr int32_t kMaxFontTextureSize = 8192;  // largest accepted texture side

// Checks a header on its own: glyph range within signed 8-bit codes, texture sides in 1..8192.
bool isValidFontHeader(const GlfHeader& header);

// Parses a whole font file held in memory. False, with `out` untouched, for any invalid file;
// a non-null problem then receives why ("the texture size 0 x 16 is not within 1..8192").
bool parseFontFile(const unsigned char* data, size_t size, FontFileContents& out,
                   std::string* problem = nullptr);

// Reads a font file from an open binary stream and closes the stream. False, with `out`
// untouched, for a short, truncated or invalid file, with why in a non-null problem; never
// allocates more than the header allows.
bool readFontFile(FILE* file, FontFileContents& out, std::string* problem = nullptr);

// Serialises font contents in the file format (used by the font baker and by tests).
std::vector<unsigned char> encodeFontFile(const FontFileContents& contents);

}  // namespace trellis
