// ImmediateRecorder: a DrawRecorder that draws each primitive at once with immediate-mode GL,
// so that an element can describe its look once and have draw() and record() agree.
#pragma once

#include "trellis/gui/DrawRecorder.h"

namespace trellis {

// Draws what it is told straight away: quads and lines between glBegin and glEnd, text with
// drawText; the GL state is left as DrawRecorder says each call leaves it.
class ImmediateRecorder final : public DrawRecorder {
public:
    void quads(const RecordedVertex* vertices, int count, bool textured) override;
    void lines(const RecordedVertex* vertices, int count) override;
    void text(const char* text, float x, float y, float size, const Color& color) override;
};

}  // namespace trellis
