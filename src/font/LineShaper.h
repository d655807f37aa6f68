// LineShaper: one line of text shaped with a font chain: split into runs of one face, script
// and bidirectional level, the runs put in visual order, each shaped by HarfBuzz.
#pragma once

#include "trellis/font/FontChain.h"

namespace trellis {

// Lays out text[begin, end) (no line feed inside) at pixelsPerEm into line, its glyphs from
// pen x = 0; tabs move the pen to the next multiple of tabPixels.
void shapeLine(const FontChain& chain, const char* text, size_t begin, size_t end, int pixelsPerEm,
               float tabPixels, TextLine& line);

}  // namespace trellis
