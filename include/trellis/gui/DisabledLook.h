// DisabledLook: how a disabled element is drawn, its own look faded toward its background.
#pragma once

#include "trellis/gui/DrawRecorder.h"

#include <vector>

namespace trellis {

class GuiElement;

// Whether element is drawn faded: it or an element it lies in is disabled, and its skin gives no
// "disabled" look of its own for a class that draws one (a button, a check box, a text field).
bool drawsFaded(const GuiElement& element);

// A recorder that passes everything on to another with every colour mixed halfway toward a
// background colour (alpha kept), so that any element that records itself shows faded.
class DisabledLook final : public DrawRecorder {
public:
    // Passes to out, fading toward background.
    DisabledLook(DrawRecorder& out, const Color& background) : out(out), background(background) {}

    void quads(const RecordedVertex* vertices, int count, bool textured) override;
    void lines(const RecordedVertex* vertices, int count) override;
    void text(const char* text, float x, float y, float size, const Color& color) override;
    void pictureQuads(const RecordedVertex* vertices, int count, unsigned int texture,
                      bool blended) override;
    void pushClip(float x, float y, float width, float height) override;
    void popClip() override;

    // color mixed halfway toward background, its alpha kept.
    static Color faded(const Color& color, const Color& background);

private:
    const RecordedVertex* fade(const RecordedVertex* vertices, int count);

    DrawRecorder& out;
    Color background;
    std::vector<RecordedVertex> scratch;
};

}  // namespace trellis
