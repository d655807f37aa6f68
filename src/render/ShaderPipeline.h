// ShaderPipeline: the shader renderer's GL objects (three small programs of the GLSL family for
// "#version 330 core" and "#version 300 es": flat, textured, glyphs, each also in a variant that
// cuts fragments to each vertex's clip box; a vertex array object, a vertex buffer, a buffer of
// clip boxes, a quad index buffer and the font's texture), made in each context that draws, and
// the draw calls that reproduce the fixed-function batches: colours as given, textures modulated,
// glyphs alpha-tested at 0.1 (a discard) and blended, clips cut as the scissor cuts them.
#pragma once

#include "DrawList.h"

#include "font/GlContext.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace trellis {

// The shader renderer's objects of the current context, and its draw calls.
class ShaderPipeline {
public:
    // Makes the current context's objects if it has none yet (or they are gone), and finds the
    // font's texture there. False when the program does not build, with the reason in error.
    bool prepare(const GlContextInfo& context, std::string& error);

    // Uploads the vertices and, when there are any, their clip boxes (four floats a vertex:
    // window pixels x0, y0, x1, y1); binds the arrays.
    void begin(const std::vector<DrawVertex>& vertices, const std::vector<float>& clips);
    // Blending, depth writes and the program (one that cuts fragments to each vertex's clip box
    // when clipped); a picture state's texture, else the font's.
    void setState(DrawState state, unsigned int texture, bool clipped);
    void draw(DrawState state, uint32_t first, uint32_t count);  // vertices first..first+count
    void end();  // unbinds its program, arrays and buffer; binds the texture begin found
    // Deletes the current context's programs, vertex array and buffers (the font's texture is
    // the font's) and forgets them.
    void release();

private:
    static constexpr int kModeCount = 3, kProgramCount = 2 * kModeCount;
    struct Objects {
        unsigned int programs[kProgramCount] = {};  // flat, textured, glyphs; then clipping
        unsigned int vertexArray = 0, vertexBuffer = 0, indexBuffer = 0, clipBuffer = 0;
        unsigned int fontTexture = 0;  // the font's texture in this context, 0 without a font
        uint32_t indexedQuads = 0;     // quads the index buffer covers
    };
    bool build(const GlContextInfo& context, Objects& objects, std::string& error);
    static unsigned int link(const std::string& header, unsigned int vertex, int mode,
                             std::string& error);
    void pointAt(uint32_t first);  // the attributes read from vertex first on

    std::unordered_map<const void*, Objects> byContext;
    Objects* current = nullptr;
    int mode = -1;             // the program in use, as an index of programs
    bool withClips = false;    // the vertices being drawn have clip boxes
    int boundTexture = 0;      // the texture bound when the batches began
    unsigned int drawing = 0;  // the texture bound for the batches now
};

}  // namespace trellis
