// TreeRecorder: walks an element tree as drawTree does and records what each element describes
// (GuiElement::record) into a DrawList, with clip coordinates that reproduce the immediate
// path's transform bit for bit and a depth that falls with painter's order.
#pragma once

#include "DrawList.h"

#include "trellis/gui/DrawRecorder.h"

#include <cstddef>
#include <vector>

namespace trellis {

// The immediate path's state where the frame starts, and the depth buffer's resolution.
struct RecordStart {
    float projection[16] = {};  // the screen projection as GL holds it (model-view is identity)
    int viewport[4] = {};       // GL viewport: x, y, width, height
    float depthStep = 0;        // clip-space depth between two pieces of drawing
    uint32_t depthPieces = 0;   // pieces that fit between two clears of the depth buffer
};

// Records frames of an element tree and the debug lines.
class TreeRecorder final : public DrawRecorder {
public:
    // Records root's tree (and the debug lines when asked) as drawFrame draws them.
    void recordFrame(GuiElement* root, bool debugLines, const RecordStart& start, DrawList& out);

    void quads(const RecordedVertex* vertices, int count, bool textured) override;
    void lines(const RecordedVertex* vertices, int count) override;
    void text(const char* text, float x, float y, float size, const Color& color) override;
    void pictureQuads(const RecordedVertex* vertices, int count, unsigned int texture,
                      bool blended) override;
    void pushClip(float x, float y, float width, float height) override;
    void popClip() override;

    size_t culled = 0;  // primitives left out of the last frame as wholly outside the viewport

private:
    void recordTree(GuiElement* element, int depth);
    void markElement(GuiElement* element);
    void closeMark(ElementMark& mark) const;  // its box: what it recorded since it began
    ImmediateState immediateState() const;    // the tracked state, for a hand-over
    void glyphs(const char* text, float x, float y, float size, bool alignRight);
    void setTranslation(float x, float y);
    uint32_t beginPrimitive(DrawState state, uint32_t pieces);
    void vertex(DrawVertex& v, float x, float y, float s, float t, const float* rgba) const;
    void quadPrimitive(const RecordedVertex* v, int count, DrawState state, unsigned int texture);
    void finishPrimitive();
    // The clip-coordinate bounds of p's vertices.
    void boundsOf(const DrawPrimitive& p, float& minX, float& minY, float& maxX, float& maxY) const;
    // Cuts p's quads to clip if they are all rectangles of one colour each (then exactly the
    // pixels the scissor would keep); false, p untouched, otherwise.
    bool cutFlatQuads(DrawPrimitive& p, const PixelBox& clip);
    uint32_t currentClip() const { return clipStack.empty() ? 0 : clipStack.back(); }
    PixelBox visibleBox() const;  // the viewport within the clip in force
    // The pixels a primitive of state spanning the clip coordinates may touch, tightly
    // (pixel centres for polygons, diamonds for lines).
    PixelBox tightBoxOf(DrawState state, float minX, float minY, float maxX, float maxY) const;
    PixelBox boxOf(float minX, float minY, float maxX, float maxY) const;  // clip to pixels
    void flipForOrigin(float& minY, float& maxY) const;  // clip y as window rows count it
    static void emitGlyph(void* self, const struct GlyphQuad& glyph);

    RecordStart start{};
    DrawList* list = nullptr;
    float tx = 0, ty = 0;             // model-view translation, as glTranslatef accumulates it
    float mx = 0, my = 0;             // its clip offsets: p0 * tx + p12 as GL multiplies P * M
    float z = 0;                      // depth of the current piece
    uint32_t pieces = 0;              // pieces since the depth buffer was last cleared
    PixelBox viewportBox;             // the viewport in window pixels
    std::vector<uint32_t> clipStack;  // the clips pushed (as DrawPrimitive::clip), innermost last
    bool upperLeft = false;           // the window's origin is at its upper left
    // The immediate path's state as it goes, for hand-overs; unknown after a hand-over.
    float color[4] = {};
    float texCoord[2] = {};
    bool texturing = false;
    bool knownColor = true, knownTexCoord = true, knownTexturing = true;
};

}  // namespace trellis
