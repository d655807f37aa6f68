// ImmediateRecorder: a DrawRecorder that draws each primitive at once with immediate-mode GL,
// so that an element can describe its look once and have draw() and record() agree.
#pragma once

#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/ScissorClip.h"

#include <memory>
#include <vector>

namespace trellis {

// Draws what it is told straight away: quads and lines between glBegin and glEnd, text with
// drawText, clips with ScissorClip; the GL state is left as DrawRecorder says each call leaves
// it. Clips still open when it goes are closed.
class ImmediateRecorder final : public DrawRecorder {
public:
    ~ImmediateRecorder() override;  // closes the clips left open, innermost first

    void quads(const RecordedVertex* vertices, int count, bool textured) override;
    void lines(const RecordedVertex* vertices, int count) override;
    void text(const char* text, float x, float y, float size, const Color& color) override;
    void pictureQuads(const RecordedVertex* vertices, int count, unsigned int texture,
                      bool blended) override;
    void pushClip(float x, float y, float width, float height) override;
    void popClip() override;

private:
    std::vector<std::unique_ptr<ScissorClip>> clips;  // innermost last
};

}  // namespace trellis
