// FontFace: one TrueType or OpenType face read from a file at run time, which text is shaped
// with and whose glyphs are rasterised at the pixel size the text is drawn at.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace trellis {

// A glyph's coverage raster: one byte per pixel, rows from the top, and where it sits.
struct GlyphRaster {
    int width = 0, height = 0;         // pixels
    int left = 0, top = 0;             // from the pen on the baseline to the top-left pixel, y up
    std::vector<unsigned char> cover;  // width * height coverage bytes
};

// A face of a .ttf, .otf or .ttc file, held in memory for its whole life.
class FontFace {
public:
    // Reads face faceIndex of the font file at path; null, with problem saying why, when the
    // file cannot be read or is no font FreeType and HarfBuzz can use.
    static std::unique_ptr<FontFace> load(const char* path, std::string* problem = nullptr,
                                          int faceIndex = 0);
    // The same from the bytes of a font file in memory (kept by the face).
    static std::unique_ptr<FontFace> fromBytes(std::vector<unsigned char> bytes,
                                               std::string* problem = nullptr, int faceIndex = 0);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Whether the regular file at path starts like a TrueType, OpenType or collection file.
    static bool isFontFile(const char* path);
    // Whether the bytes start like a TrueType, OpenType or TrueType-collection file.
    static bool looksLikeFontFile(const unsigned char* bytes, size_t size);

    // The face's glyph for a character, 0 (its missing-glyph box) when it has none.
    unsigned int glyphFor(unsigned int code) const;
    // Font units per em, and the ascender and descender (negative) in font units.
    int unitsPerEm() const;
    int ascender() const;
    int descender() const;
    // The glyph rasterised at pixelsPerEm; false when the face cannot render it.
    bool rasterise(unsigned int glyph, int pixelsPerEm, GlyphRaster& raster) const;
    // The face's HarfBuzz face (an hb_face_t*), for the shaper.
    void* shapingFace() const;
    // The face's HarfBuzz font (an hb_font_t*) at pixelsPerEm, scaled in 64ths of a pixel, for
    // the shaper; the face keeps it (and those of a few other sizes) for the next texts.
    void* shapingFont(int pixelsPerEm) const;
    // A number no other face loaded in this process has, for caches keyed by face.
    unsigned int serial() const;

private:
    struct Parts;
    explicit FontFace(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts;
};

}  // namespace trellis
