// Packing glyph cells into a padded atlas and turning them into font file contents.
#include "FontBake.h"

namespace trellis {

namespace {

int roundUpToGap(int value) {
    return (value + kCellGap - 1) / kCellGap * kCellGap;
}

bool fitsAt(int x, int y, int width, int height, int atlasSide) {
    return x + width + kCellGap <= atlasSide && y + height + kCellGap <= atlasSide;
}

// Clear texels are white so that linear filtering at a glyph's edge fades alpha only,
// never darkening the text colour.
std::vector<unsigned char> clearAtlas(int atlasSide) {
    std::vector<unsigned char> texels(size_t(atlasSide) * atlasSide * 2, 0);
    for (size_t i = 0; i < texels.size(); i += 2) {
        texels[i] = 255;
    }
    return texels;
}

void copyCellAlpha(const GlyphCell& cell, CellPlace place, int lineHeight, int atlasSide,
                   std::vector<unsigned char>& texels) {
    for (int row = 0; row < lineHeight; ++row) {
        for (int column = 0; column < cell.width; ++column) {
            size_t texel = size_t(place.y + row) * atlasSide + place.x + column;
            texels[texel * 2 + 1] = cell.coverage[size_t(row) * cell.width + column];
        }
    }
}

GlyphRecord cellRecord(const GlyphCell& cell, CellPlace place, int lineHeight, int atlasSide) {
    float side = float(atlasSide);
    return GlyphRecord{float(cell.width),
                       float(lineHeight),
                       place.x / side,
                       place.y / side,
                       (place.x + cell.width) / side,
                       (place.y + lineHeight) / side};
}

}  // namespace

bool packCells(const std::vector<int>& widths, int height, int atlasSide,
               std::vector<CellPlace>& places) {
    std::vector<CellPlace> packed;
    packed.reserve(widths.size());
    int x = kCellGap;
    int y = kCellGap;
    for (int width : widths) {
        if (!fitsAt(x, y, width, height, atlasSide)) {
            x = kCellGap;
            y = roundUpToGap(y + height) + kCellGap;
        }
        if (!fitsAt(x, y, width, height, atlasSide)) {
            return false;
        }
        packed.push_back({x, y});
        x = roundUpToGap(x + width) + kCellGap;
    }
    places = std::move(packed);
    return true;
}

FontFileContents assembleFont(const std::vector<GlyphCell>& cells,
                              const std::vector<CellPlace>& places, int lineHeight, int firstChar,
                              int atlasSide) {
    FontFileContents font;
    int lastChar = firstChar + int(cells.size()) - 1;
    font.header = GlfHeader{0, atlasSide, atlasSide, firstChar, lastChar, 0};
    font.texels = clearAtlas(atlasSide);
    for (size_t i = 0; i < cells.size(); ++i) {
        font.glyphs.push_back(cellRecord(cells[i], places[i], lineHeight, atlasSide));
        copyCellAlpha(cells[i], places[i], lineHeight, atlasSide, font.texels);
    }
    return font;
}

}  // namespace trellis
