// RecordedShapes: the vertices of simple shapes, for elements that describe their look to a
// DrawRecorder.
#pragma once

#include "trellis/gui/DrawRecorder.h"

namespace trellis {

// The four corners of the rectangle left..right x top..bottom in colour, in the order GL_QUADS
// takes them (top-left, bottom-left, bottom-right, top-right), written to out[0..3].
void rectVertices(float left, float top, float right, float bottom, const Color& colour,
                  RecordedVertex* out);

// A one-pixel-wide GL_LINES segment from (x0, y0) to (x1, y1) in colour, written to out[0..1].
void lineVertices(float x0, float y0, float x1, float y1, const Color& colour, RecordedVertex* out);

// Records a one-pixel frame just inside the rectangle left..left+width x top..top+height, as
// four quads.
void recordInnerFrame(DrawRecorder& out, float width, float height, const Color& colour,
                      float left = 0, float top = 0);

}  // namespace trellis
