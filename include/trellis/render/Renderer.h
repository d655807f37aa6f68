// Renderer: how the interface is drawn. The batched renderer (the default where the context
// has the fixed-function pipeline) records the whole
// frame into a few vertex arrays and draws them with a handful of draw calls, leaves out what lies
// wholly outside the viewport, and draws an unchanged frame again from a saved copy of its
// pixels; its frames are identical, pixel for pixel, to the immediate renderer's, which issues
// one glBegin/glEnd per quad, text and bevel and stays as the reference.
//
// Depth buffer: the batched renderer orders its drawing with the depth buffer. It clears the
// whole depth buffer and leaves depth values just below the far plane where it drew; after a
// frame put back from its saved copy, or repaired in a few places, the depth buffer holds what
// it held before, save the repaired places, which it cleared and drew again. The immediate renderer
// leaves the depth buffer alone. A framebuffer with fewer than 16 depth bits, a frame started
// with blending, alpha or depth testing on, a shader program bound, matrices other than the
// screen projection, or another texture bound than the font's, is drawn by the immediate
// renderer.
//
// The shader renderer is the batched renderer with another way of issuing its batches: one GLSL
// program ("#version 330 core", "#version 300 es") over a vertex buffer, with the same frames,
// pixel for pixel. It keeps its GL objects per context. In a context without the fixed-function
// pipeline, elements that draw with GL calls of their own (rather than recording) are left out.
//
// Elements of classes other than the built-in ones are drawn by their own draw() in their
// place (see DrawRecorder.h); if such a draw() leaves GL state changed that later drawing would
// see, the rest of that frame is drawn by the immediate renderer. Frames with such elements are
// never reused.
#pragma once

#include <cstddef>

namespace trellis {

class GuiElement;

// The ways of drawing the interface.
enum class Renderer {
    Batched,    // vertex arrays in few draw calls, culling and reuse; fixed-function GL
    Immediate,  // one glBegin/glEnd per primitive: the reference
    Shader,     // the batched renderer's frames drawn with a GLSL program and vertex buffers
    Automatic,  // the default: Shader in a context without the fixed-function pipeline (a core
                // profile, OpenGL ES 3), else Batched
};

// Chooses the renderer for the frames of the current interface that follow (each interface has
// its own choice; Interface.h). The environment variable TRELLIS_RENDERER set to "immediate",
// "batched" or "shader" chooses it before the first call. A context without
// the fixed-function pipeline is always drawn by the shader renderer; one whose GL is too old
// for it (before 3.3) by the batched renderer.
void setRenderer(Renderer renderer);
// The renderer in use: in the current context, the one that draws there (never Automatic);
// without a context, the one chosen.
Renderer currentRenderer();

// Whether the batched renderer puts back the saved pixels of an unchanged frame and repairs
// small changes in place (the default); off, it records and draws every frame in full.
void setFrameReuse(bool reuse);

// How the last frame was drawn.
struct RenderStats {
    enum class Path {
        Immediate,  // by the immediate renderer
        Drawn,      // recorded (or reused unchanged) and drawn in batches
        Copied,     // unchanged: its saved pixels put back
        Repaired,   // saved pixels put back, the changed places drawn again
        Overlaid,   // unchanged but not covering the viewport: its saved pixels put back where
                    // nothing beneath shows through, what reaches beyond them drawn again
    };
    Path path = Path::Immediate;
    size_t drawCalls = 0;   // draw calls and hand-overs
    size_t primitives = 0;  // primitives recorded (after culling)
    size_t culled = 0;      // primitives left out as wholly outside the viewport
    long repairedArea = 0;  // pixels drawn again in a repair
};
RenderStats lastRenderStats();  // of the last renderTree

// Draws the tree under root (root included) and, when debugLines, the three debug lines, with
// the chosen renderer. Requires the screen-unit projection and an identity model-view matrix,
// as drawFrame sets them; leaves the matrices as it found them.
void renderTree(GuiElement* root, bool debugLines);

// Forgets the saved frame and the snapshot, so that the next frame is recorded and drawn in
// full (for example after the framebuffer's content was changed behind the interface's back,
// or the GL context changed).
void forgetRenderedFrame();

}  // namespace trellis
