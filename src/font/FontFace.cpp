// FontFace: a font file held in memory, opened by FreeType for rasters and by HarfBuzz for
// shaping.
#include "trellis/font/FontFace.h"

#include "files/RegularFile.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <array>
#include <hb.h>
#include <unistd.h>
#include <utility>

namespace trellis {

namespace {

// One FreeType library for all faces; faces are used from the thread that draws.
FT_Library freeType() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        return FT_Init_FreeType(&made) == 0 ? made : nullptr;
    }();
    return library;
}

unsigned int nextSerial = 1;

// Reads the regular file at path whole; false with problem set when it cannot.
bool readWholeFile(const char* path, std::vector<unsigned char>& bytes, std::string& problem) {
    const int descriptor = openRegularFile(path, &problem);
    if (descriptor < 0)
        return false;
    unsigned char chunk[65536];
    ssize_t got;
    while ((got = read(descriptor, chunk, sizeof chunk)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + got);
    close(descriptor);
    if (got < 0)
        problem = "cannot read the font file";
    return got == 0;
}

}  // namespace

struct FontFace::Parts {
    std::vector<unsigned char> bytes;
    FT_Face face = nullptr;
    hb_face_t* shaping = nullptr;
    unsigned int serial = 0;
    int pixelsPerEm = 0;  // the size FreeType's face is set to
    // The glyphs of characters looked up lately, by character modulo the table's size: text is
    // checked for characters no face draws every time it changes, a character at a time.
    struct KnownGlyph {
        unsigned int code = ~0u, glyph = 0;
    };
    std::array<KnownGlyph, 256> knownGlyphs{};
    // HarfBuzz fonts at the sizes shaped lately, the latest last.
    std::vector<std::pair<int, hb_font_t*>> fonts;

    ~Parts() {
        for (auto& [size, font] : fonts)
            hb_font_destroy(font);
        if (shaping)
            hb_face_destroy(shaping);
        if (face)
            FT_Done_Face(face);
    }
};

FontFace::FontFace(std::unique_ptr<Parts> made) : parts(std::move(made)) {}
FontFace::~FontFace() = default;

bool FontFace::looksLikeFontFile(const unsigned char* b, size_t size) {
    if (size < 12)
        return false;
    const std::string tag(reinterpret_cast<const char*>(b), 4);
    return tag == std::string("\0\1\0\0", 4) || tag == "true" || tag == "OTTO" || tag == "ttcf";
}

bool FontFace::isFontFile(const char* path) {
    std::string problem;
    const int descriptor = path ? openRegularFile(path, &problem) : -1;
    if (descriptor < 0)
        return false;
    unsigned char start[12];
    const ssize_t got = read(descriptor, start, sizeof start);
    close(descriptor);
    return got == ssize_t(sizeof start) && looksLikeFontFile(start, sizeof start);
}

std::unique_ptr<FontFace> FontFace::load(const char* path, std::string* problem, int faceIndex) {
    std::vector<unsigned char> bytes;
    std::string why;
    if (!path || !readWholeFile(path, bytes, why)) {
        if (problem)
            *problem = path ? "cannot read the font file: " + why : "no font file named";
        return nullptr;
    }
    return fromBytes(std::move(bytes), problem, faceIndex);
}

std::unique_ptr<FontFace> FontFace::fromBytes(std::vector<unsigned char> bytes,
                                              std::string* problem, int faceIndex) {
    auto refuse = [&](const std::string& why) -> std::unique_ptr<FontFace> {
        if (problem)
            *problem = why;
        return nullptr;
    };
    if (!looksLikeFontFile(bytes.data(), bytes.size()))
        return refuse("not a TrueType or OpenType font file");
    if (faceIndex < 0)
        return refuse("no face " + std::to_string(faceIndex) + " in the font file");
    auto parts = std::make_unique<Parts>();
    parts->bytes = std::move(bytes);
    if (!freeType())
        return refuse("FreeType did not start");
    const FT_Error error = FT_New_Memory_Face(
        freeType(), parts->bytes.data(), FT_Long(parts->bytes.size()), faceIndex, &parts->face);
    if (error) {
        parts->face = nullptr;
        return refuse(
            "the font file is damaged or of a kind FreeType cannot read (FreeType error " +
            std::to_string(error) + ")");
    }
    if (!FT_IS_SCALABLE(parts->face) || parts->face->units_per_EM == 0 || !parts->face->charmap)
        return refuse("the font has no scalable outlines or no Unicode character map");
    // HarfBuzz reads the same bytes, which the face keeps for as long as it lives.
    hb_blob_t* blob =
        hb_blob_create(reinterpret_cast<const char*>(parts->bytes.data()),
                       unsigned(parts->bytes.size()), HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    parts->shaping = hb_face_create(blob, unsigned(faceIndex));
    hb_blob_destroy(blob);
    if (hb_face_get_glyph_count(parts->shaping) == 0)
        return refuse("HarfBuzz finds no glyphs in the font file");
    parts->serial = nextSerial++;
    return std::unique_ptr<FontFace>(new FontFace(std::move(parts)));
}

unsigned int FontFace::glyphFor(unsigned int code) const {
    Parts::KnownGlyph& known = parts->knownGlyphs[code % parts->knownGlyphs.size()];
    if (known.code != code)
        known = {code, FT_Get_Char_Index(parts->face, code)};
    return known.glyph;
}

int FontFace::unitsPerEm() const {
    return parts->face->units_per_EM;
}

int FontFace::ascender() const {
    return parts->face->ascender;
}

int FontFace::descender() const {
    return parts->face->descender;
}

bool FontFace::rasterise(unsigned int glyph, int pixelsPerEm, GlyphRaster& raster) const {
    FT_Face face = parts->face;
    if (parts->pixelsPerEm != pixelsPerEm) {
        if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelsPerEm)))
            return false;
        parts->pixelsPerEm = pixelsPerEm;
    }
    // Light hinting moves outlines only vertically, so the advances HarfBuzz gives still fit.
    if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) ||
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_LIGHT))
        return false;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows != 0)
        return false;
    raster.width = int(bitmap.width);
    raster.height = int(bitmap.rows);
    raster.left = face->glyph->bitmap_left;
    raster.top = face->glyph->bitmap_top;
    raster.cover.resize(size_t(raster.width) * raster.height);
    for (int y = 0; y < raster.height; ++y)
        for (int x = 0; x < raster.width; ++x)
            raster.cover[size_t(y) * raster.width + x] = bitmap.buffer[y * bitmap.pitch + x];
    return true;
}

void* FontFace::shapingFace() const {
    return parts->shaping;
}

void* FontFace::shapingFont(int pixelsPerEm) const {
    constexpr size_t kSizesKept = 4;
    std::vector<std::pair<int, hb_font_t*>>& fonts = parts->fonts;
    for (auto& [size, font] : fonts)
        if (size == pixelsPerEm)
            return font;
    if (fonts.size() >= kSizesKept) {
        hb_font_destroy(fonts.front().second);
        fonts.erase(fonts.begin());
    }
    hb_font_t* font = hb_font_create(parts->shaping);
    hb_font_set_scale(font, pixelsPerEm * 64, pixelsPerEm * 64);
    fonts.emplace_back(pixelsPerEm, font);
    return font;
}

unsigned int FontFace::serial() const {
    return parts->serial;
}

}  // namespace trellis
