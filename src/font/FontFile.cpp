// Reading, validating and writing the texture font file format.
#include "trellis/font/FontFile.h"

#include <cmath>
#include <cstring>

namespace trellis {

namespace {

int32_t readInt32(const unsigned char* p) {
    uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    int32_t result;
    std::memcpy(&result, &v, sizeof result);
    return result;
}

float readFloat32(const unsigned char* p) {
    int32_t bits = readInt32(p);
    float result;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

void writeInt32(std::vector<unsigned char>& out, int32_t value) {
    uint32_t v;
    std::memcpy(&v, &value, sizeof v);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(v >> shift));
}

void writeFloat32(std::vector<unsigned char>& out, float value) {
    int32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeInt32(out, bits);
}

GlfHeader decodeHeader(const unsigned char* p) {
    GlfHeader h;
    h.textureName = readInt32(p);
    h.textureWidth = readInt32(p + 4);
    h.textureHeight = readInt32(p + 8);
    h.firstChar = readInt32(p + 12);
    h.lastChar = readInt32(p + 16);
    h.glyphTableRef = readInt32(p + 20);
    return h;
}

GlyphRecord decodeGlyph(const unsigned char* p) {
    return GlyphRecord{readFloat32(p),      readFloat32(p + 4),  readFloat32(p + 8),
                       readFloat32(p + 12), readFloat32(p + 16), readFloat32(p + 20)};
}

size_t glyphCount(const GlfHeader& h) {
    return size_t(h.lastChar - h.firstChar + 1);
}

size_t texelBytes(const GlfHeader& h) {
    return size_t(h.textureWidth) * size_t(h.textureHeight) * 2;
}

// Whether a seekable stream holds at least count more bytes; a stream that cannot seek is given
// the benefit of the doubt and is simply read.
bool bytesLeftAtLeast(FILE* file, size_t count) {
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return true;
    const long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end < 0 || size_t(end - here) >= count;
}

bool isValidLineHeight(float height) {
    return std::isfinite(height) && height > 0.0f;
}

}  // namespace

bool isValidFontHeader(const GlfHeader& h) {
    // Glyphs are looked up by a byte taken as a signed 8-bit code; a wider range cannot be reached.
    if (h.firstChar < -128 || h.lastChar > 127 || h.lastChar < h.firstChar)
        return false;
    return h.textureWidth > 0 && h.textureWidth <= kMaxFontTextureSize && h.textureHeight > 0 &&
           h.textureHeight <= kMaxFontTextureSize;
}

bool parseFontFile(const unsigned char* data, size_t size, FontFileContents& out) {
    if (size < kGlfHeaderSize)
        return false;
    GlfHeader header = decodeHeader(data);
    if (!isValidFontHeader(header))
        return false;
    size_t glyphBytes = glyphCount(header) * kGlyphRecordSize;
    if (size - kGlfHeaderSize < glyphBytes + texelBytes(header))
        return false;

    FontFileContents contents;
    contents.header = header;
    const unsigned char* p = data + kGlfHeaderSize;
    contents.glyphs.reserve(glyphCount(header));
    for (size_t i = 0; i < glyphCount(header); ++i, p += kGlyphRecordSize)
        contents.glyphs.push_back(decodeGlyph(p));
    if (!isValidLineHeight(contents.glyphs[0].glyphHeight))
        return false;
    contents.texels.assign(p, p + texelBytes(header));
    out = std::move(contents);
    return true;
}

bool readFontFile(FILE* file, FontFileContents& out) {
    if (!file)
        return false;
    // The header is checked before anything else is allocated, and the stream's length before
    // the body is: a lying header can neither make us allocate beyond its limits nor allocate
    // for bytes the file does not have.
    std::vector<unsigned char> bytes(kGlfHeaderSize);
    bool ok = std::fread(bytes.data(), 1, kGlfHeaderSize, file) == kGlfHeaderSize;
    const GlfHeader header = decodeHeader(bytes.data());
    ok = ok && isValidFontHeader(header);
    const size_t bodySize = ok ? glyphCount(header) * kGlyphRecordSize + texelBytes(header) : 0;
    ok = ok && bytesLeftAtLeast(file, bodySize);
    if (ok) {
        bytes.resize(kGlfHeaderSize + bodySize);
        ok = std::fread(bytes.data() + kGlfHeaderSize, 1, bodySize, file) == bodySize;
    }
    std::fclose(file);
    return ok && parseFontFile(bytes.data(), bytes.size(), out);
}

std::vector<unsigned char> encodeFontFile(const FontFileContents& contents) {
    std::vector<unsigned char> out;
    const GlfHeader& h = contents.header;
    out.reserve(kGlfHeaderSize + contents.glyphs.size() * kGlyphRecordSize +
                contents.texels.size());
    for (int32_t field :
         {h.textureName, h.textureWidth, h.textureHeight, h.firstChar, h.lastChar, h.glyphTableRef})
        writeInt32(out, field);
    for (const GlyphRecord& g : contents.glyphs)
        for (float field :
             {g.glyphWidth, g.glyphHeight, g.texLeft, g.texTop, g.texRight, g.texBottom})
            writeFloat32(out, field);
    out.insert(out.end(), contents.texels.begin(), contents.texels.end());
    return out;
}

}  // namespace trellis
