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

// How many more bytes a seekable stream holds, or -1 for a stream that cannot seek, which is
// given the benefit of the doubt and simply read.
long bytesLeft(FILE* file) {
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end < 0 ? -1 : end - here;
}

bool isValidLineHeight(float height) {
    return std::isfinite(height) && height > 0.0f;
}

// Says why, when the caller asks, and gives false.
bool refuse(std::string* problem, const std::string& why) {
    if (problem)
        *problem = why;
    return false;
}

// Why a header is invalid, or empty for a valid one.
std::string headerProblem(const GlfHeader& h) {
    // Glyphs are looked up by a byte taken as a signed 8-bit code; a wider range cannot be reached.
    if (h.firstChar < -128 || h.lastChar > 127 || h.lastChar < h.firstChar)
        return "the character range " + std::to_string(h.firstChar) + ".." +
               std::to_string(h.lastChar) + " is not an ascending range within -128..127";
    if (h.textureWidth <= 0 || h.textureWidth > kMaxFontTextureSize || h.textureHeight <= 0 ||
        h.textureHeight > kMaxFontTextureSize)
        return "the texture size " + std::to_string(h.textureWidth) + " x " +
               std::to_string(h.textureHeight) + " is not within 1.." +
               std::to_string(kMaxFontTextureSize);
    return std::string();
}

std::string truncatedProblem(size_t needed, size_t present) {
    return "the file ends early: its header announces " + std::to_string(needed) +
           " bytes of glyph records and texels, and " + std::to_string(present) + " follow";
}

}  // namespace

bool isValidFontHeader(const GlfHeader& h) {
    return headerProblem(h).empty();
}

bool parseFontFile(const unsigned char* data, size_t size, FontFileContents& out,
                   std::string* problem) {
    if (size < kGlfHeaderSize)
        return refuse(problem, "the file is shorter than its 24-byte header");
    GlfHeader header = decodeHeader(data);
    if (!isValidFontHeader(header))
        return refuse(problem, headerProblem(header));
    size_t glyphBytes = glyphCount(header) * kGlyphRecordSize;
    if (size - kGlfHeaderSize < glyphBytes + texelBytes(header))
        return refuse(problem,
                      truncatedProblem(glyphBytes + texelBytes(header), size - kGlfHeaderSize));

    FontFileContents contents;
    contents.header = header;
    const unsigned char* p = data + kGlfHeaderSize;
    contents.glyphs.reserve(glyphCount(header));
    for (size_t i = 0; i < glyphCount(header); ++i, p += kGlyphRecordSize)
        contents.glyphs.push_back(decodeGlyph(p));
    if (!isValidLineHeight(contents.glyphs[0].glyphHeight))
        return refuse(problem, "the line height (the first glyph's height) is not a number "
                               "above zero");
    contents.texels.assign(p, p + texelBytes(header));
    out = std::move(contents);
    return true;
}

bool readFontFile(FILE* file, FontFileContents& out, std::string* problem) {
    if (!file)
        return refuse(problem, "no file");
    // The header is checked before anything else is allocated, and the stream's length before
    // the body is: a lying header can neither make us allocate beyond its limits nor allocate
    // for bytes the file does not have.
    std::vector<unsigned char> bytes(kGlfHeaderSize);
    const size_t headerRead = std::fread(bytes.data(), 1, kGlfHeaderSize, file);
    const GlfHeader header = decodeHeader(bytes.data());
    std::string why;
    if (headerRead != kGlfHeaderSize)
        why = "the file is shorter than its 24-byte header";
    else
        why = headerProblem(header);
    if (why.empty()) {
        const size_t bodySize = glyphCount(header) * kGlyphRecordSize + texelBytes(header);
        const long left = bytesLeft(file);
        if (left >= 0 && size_t(left) < bodySize) {
            why = truncatedProblem(bodySize, size_t(left));
        } else {
            bytes.resize(kGlfHeaderSize + bodySize);
            const size_t bodyRead = std::fread(bytes.data() + kGlfHeaderSize, 1, bodySize, file);
            if (bodyRead != bodySize)
                why = truncatedProblem(bodySize, bodyRead);
        }
    }
    std::fclose(file);
    if (!why.empty())
        return refuse(problem, why);
    return parseFontFile(bytes.data(), bytes.size(), out, problem);
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
