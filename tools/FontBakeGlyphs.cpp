// Rendering a range of character codes with FreeType into line-high cells, and baking them.
#include "FontBake.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <memory>

namespace trellis {

namespace {

using LibraryHandle = std::unique_ptr<FT_LibraryRec_, decltype(&FT_Done_FreeType)>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)>;

// Where the cells' rows sit: the baseline's row counted from the cell top.
struct LineLayout {
    int height = 0;    // cell height in pixels
    int baseline = 0;  // rows above the baseline
    int emPixels = 0;  // FreeType pixel size in use
};

bool isPowerOfTwo(int value) {
    return value > 0 && (value & (value - 1)) == 0;
}

bool isCharCode(int code) {
    return code >= -128 && code <= 127;
}

bool checkOptions(const BakeOptions& options, std::string& error) {
    if (options.pixels < 4 || options.pixels > 256) {
        error = "--pixels must be within 4..256, got " + std::to_string(options.pixels);
    } else if (!isCharCode(options.firstChar) || !isCharCode(options.lastChar)) {
        error = "--first and --last must be within -128..127";
    } else if (options.lastChar < options.firstChar) {
        error = "--last " + std::to_string(options.lastChar) + " comes before --first " +
                std::to_string(options.firstChar);
    } else if (!isPowerOfTwo(options.atlasSide) || options.atlasSide > kMaxFontTextureSize) {
        error = "--atlas must be a power of two up to " + std::to_string(kMaxFontTextureSize) +
                ", got " + std::to_string(options.atlasSide);
    } else {
        return true;
    }
    return false;
}

int ceilPixels(FT_Pos value) {
    return int((value + 63) >> 6);
}

int floorPixels(FT_Pos value) {
    return int(value >> 6);
}

// The largest pixel size whose hinted ascender and descender fit the line; any spare rows are
// split above and below so the text sits in the middle of its cell.
bool fitLine(FT_Face face, int lineHeight, LineLayout& layout) {
    for (int em = lineHeight; em > 0; --em) {
        if (FT_Set_Pixel_Sizes(face, 0, FT_UInt(em)) != 0) {
            continue;
        }
        int ascender = ceilPixels(face->size->metrics.ascender);
        int descender = floorPixels(face->size->metrics.descender);
        int spare = lineHeight - (ascender - descender);
        if (spare >= 0) {
            layout = LineLayout{lineHeight, ascender + spare / 2, em};
            return true;
        }
    }
    return false;
}

// Codes are signed bytes; a byte is looked up as the Latin-1 character of the same value.
FT_ULong unicodeOf(int code) {
    return FT_ULong(static_cast<unsigned char>(code));
}

// Ink outside the cell is dropped: the runtime only ever samples the cell's rectangle.
void copyBitmap(const FT_GlyphSlot slot, const LineLayout& layout, GlyphCell& cell) {
    const FT_Bitmap& bitmap = slot->bitmap;
    int top = layout.baseline - slot->bitmap_top;
    for (int row = 0; row < int(bitmap.rows); ++row) {
        int y = top + row;
        if (y < 0 || y >= layout.height) {
            continue;
        }
        for (int column = 0; column < int(bitmap.width); ++column) {
            int x = slot->bitmap_left + column;
            if (x < 0 || x >= cell.width) {
                continue;
            }
            unsigned char& texel = cell.coverage[size_t(y) * cell.width + x];
            texel = std::max(texel, bitmap.buffer[row * bitmap.pitch + column]);
        }
    }
}

// Characters the font lacks get an empty cell of no width, so they draw nothing.
bool renderCell(FT_Face face, int code, const LineLayout& layout, GlyphCell& cell) {
    cell = GlyphCell{};
    FT_UInt index = FT_Get_Char_Index(face, unicodeOf(code));
    if (index == 0) {
        return true;
    }
    // Outlines only, hinted and rendered as 8-bit coverage: embedded bitmaps could be 1-bit.
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_NO_BITMAP) != 0 ||
        face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) {
        return false;
    }
    cell.width = std::max(0, int((face->glyph->advance.x + 32) >> 6));
    cell.coverage.assign(size_t(cell.width) * layout.height, 0);
    copyBitmap(face->glyph, layout, cell);
    return true;
}

bool renderRange(FT_Face face, const BakeOptions& options, const LineLayout& layout,
                 std::vector<GlyphCell>& cells, std::string& error) {
    for (int code = options.firstChar; code <= options.lastChar; ++code) {
        cells.emplace_back();
        if (!renderCell(face, code, layout, cells.back())) {
            error = "cannot render character " + std::to_string(code) + " of '" + options.fontPath +
                    "'";
            return false;
        }
    }
    return true;
}

std::vector<int> cellWidths(const std::vector<GlyphCell>& cells) {
    std::vector<int> widths;
    for (const GlyphCell& cell : cells) {
        widths.push_back(cell.width);
    }
    return widths;
}

// FreeType with one face open in it; members go in reverse, so the face is released first.
struct OpenFont {
    LibraryHandle library{nullptr, &FT_Done_FreeType};
    FaceHandle face{nullptr, &FT_Done_Face};
};

bool openFont(const std::string& path, OpenFont& font, std::string& error) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        error = "cannot start FreeType";
        return false;
    }
    font.library.reset(library);
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
        error = "cannot read font '" + path + "'";
        return false;
    }
    font.face.reset(face);
    return true;
}

bool packIntoAtlas(const std::vector<GlyphCell>& cells, const LineLayout& layout,
                   const BakeOptions& options, BakedFont& baked, std::string& error) {
    std::vector<CellPlace> places;
    if (!packCells(cellWidths(cells), layout.height, options.atlasSide, places)) {
        error = "the glyphs do not fit a " + std::to_string(options.atlasSide) + "x" +
                std::to_string(options.atlasSide) + " atlas; try a larger --atlas";
        return false;
    }
    baked.contents =
        assembleFont(cells, places, layout.height, options.firstChar, options.atlasSide);
    baked.lineHeight = layout.height;
    baked.emPixels = layout.emPixels;
    return true;
}

}  // namespace

bool bakeFont(const BakeOptions& options, BakedFont& baked, std::string& error) {
    OpenFont font;
    if (!checkOptions(options, error) || !openFont(options.fontPath, font, error)) {
        return false;
    }
    LineLayout layout;
    if (!fitLine(font.face.get(), options.pixels, layout)) {
        error = "'" + options.fontPath + "' has no size fitting a " +
                std::to_string(options.pixels) + " px line";
        return false;
    }
    std::vector<GlyphCell> cells;
    return renderRange(font.face.get(), options, layout, cells, error) &&
           packIntoAtlas(cells, layout, options, baked, error);
}

}  // namespace trellis
