// Vertices of rectangles and lines.
#include "trellis/gui/RecordedShapes.h"

#include "trellis/gui/ScreenUnits.h"

namespace trellis {

void rectVertices(float left, float top, float right, float bottom, const Color& colour,
                  RecordedVertex* out) {
    out[0] = {left, top, 0, 0, colour};
    out[1] = {left, bottom, 0, 0, colour};
    out[2] = {right, bottom, 0, 0, colour};
    out[3] = {right, top, 0, 0, colour};
}

void lineVertices(float x0, float y0, float x1, float y1, const Color& colour,
                  RecordedVertex* out) {
    out[0] = {x0, y0, 0, 0, colour};
    out[1] = {x1, y1, 0, 0, colour};
}

void recordInnerFrame(DrawRecorder& out, float width, float height, const Color& colour, float left,
                      float top) {
    const float p = pixelSize, right = left + width, bottom = top + height;
    RecordedVertex frame[16];
    rectVertices(left, top, right, top + p, colour, frame);
    rectVertices(left, bottom - p, right, bottom, colour, frame + 4);
    rectVertices(left, top + p, left + p, bottom - p, colour, frame + 8);
    rectVertices(right - p, top + p, right, bottom - p, colour, frame + 12);
    out.quads(frame, 16, false);
}

}  // namespace trellis
