// The font baker's pieces: rendering a range of glyphs into line-high cells, packing the cells
// into an atlas and assembling font file contents, plus the command line that drives them.
#pragma once

#include "trellis/font/FontFile.h"

#include <ostream>
#include <string>
#include <vector>

namespace trellis {

// What to bake and where to write it; the defaults are the demo's font.
struct BakeOptions {
    std::string fontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";  // font to render
    int pixels = 15;      // line height in pixels: the cell height of every glyph
    int firstChar = 32;   // first character code, signed 8-bit
    int lastChar = 126;   // last character code, signed 8-bit
    int atlasSide = 256;  // atlas side in texels, a power of two
    std::string outputPath = "verdana.glf";  // font file to write
};

// One glyph's cell: its advance wide and the line height tall, coverage 0..255 per pixel.
struct GlyphCell {
    int width = 0;                        // advance in whole pixels
    std::vector<unsigned char> coverage;  // width * line height, rows from the top
};

// The top-left texel of a cell in the atlas.
struct CellPlace {
    int x = 0;  // column of the cell's left edge
    int y = 0;  // row of the cell's top edge
};

// A baked font in memory, with the figures the tool reports.
struct BakedFont {
    FontFileContents contents;  // ready to encode
    int lineHeight = 0;         // cell height in pixels
    int emPixels = 0;           // FreeType pixel size the glyphs were rendered at
};

// Transparent texels kept between cells and around the border; also the cells' alignment.
constexpr int kCellGap = 4;

// Places cells of the given widths, all `height` tall, on shelves; false if they don't fit.
bool packCells(const std::vector<int>& widths, int height, int atlasSide,
               std::vector<CellPlace>& places);

// Assembles the header, glyph records and texels for packed cells starting at `firstChar`.
FontFileContents assembleFont(const std::vector<GlyphCell>& cells,
                              const std::vector<CellPlace>& places, int lineHeight, int firstChar,
                              int atlasSide);

// Renders the options' range with FreeType and packs it. False with a one-line reason on failure.
bool bakeFont(const BakeOptions& options, BakedFont& baked, std::string& error);

// Runs the tool on its arguments (without the program name): exit status, metrics on `out`,
// usage or a one-line error on `err`.
int runFontBake(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace trellis
