// Laid-out text: the glyphs of each line in the order they are drawn, left to right, with the
// characters each one stands for, for drawing and for placing a caret.
#pragma once

#include <cstddef>
#include <vector>

namespace trellis {

// One glyph placed on a line.
struct PlacedGlyph {
    int face = 0;            // the face in the chain that draws it
    unsigned int glyph = 0;  // its glyph in that face (0: the face's missing-glyph box)
    float x = 0, y = 0;      // its origin from the line's start on the baseline, pixels, y down
    float advance = 0;       // how far it moves the pen, pixels (negative never)
    size_t cluster = 0;      // byte offset in the text of the first character it stands for
};

// One line of text (up to a line feed), laid out.
struct TextLine {
    size_t begin = 0, end = 0;        // its bytes in the text, the line feed excluded
    float width = 0;                  // from its start to the pen after its last glyph, pixels
    std::vector<PlacedGlyph> glyphs;  // left to right as drawn; clusters may go either way
};

// The width of the widest of lines, pixels (0 for none).
float widestLinePixels(const std::vector<TextLine>& lines);

}  // namespace trellis
