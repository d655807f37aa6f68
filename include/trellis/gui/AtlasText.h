// Text drawn with the chain of TrueType faces, recorded as the blended picture quads of the
// glyph atlas's pages, which every renderer draws as it draws pictures.
#pragma once

#include "trellis/gui/DrawRecorder.h"

namespace trellis {

// Whether text is drawn from the glyph atlas (the chain has faces) rather than the texture font.
bool atlasTextDraws();

// Records text as drawText(text, x, y, size, alignRight) draws it with the chain, in color:
// one run of picture quads per atlas page, white glyphs with coverage alpha tinted by color.
void recordAtlasText(DrawRecorder& out, const char* text, float x, float y, float size,
                     bool alignRight, const Color& color);

}  // namespace trellis
