// The shader renderer's program, arrays and draw calls.
#include "ShaderPipeline.h"
#include "BlendState.h"

#include "font/FontTexture.h"
#include "trellis/font/TextureFont.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cstddef>

namespace trellis {

namespace {

// What the fragment shader does with a fragment: the program drawing it.
enum Mode : int { kFlat = 0, kTextured = 1, kGlyph = 2 };

// The vertex shader: positions arrive in clip coordinates (the recorder computed them as the
// fixed-function pipeline does), so it only passes them on. Colours are interpolated without
// perspective (COLOUR), as llvmpipe interpolates the fixed-function colour, where the
// language has the qualifier.
constexpr const char* kVertexBody = R"(
layout(location = 0) in vec3 position;
layout(location = 1) in vec2 texCoord;
layout(location = 2) in vec4 colour;
out vec2 st;
COLOUR out vec4 tint;
#if CLIP
layout(location = 3) in vec4 clipBox;
flat out vec4 clip;
#endif
void main() {
    st = texCoord;
    tint = colour;
#if CLIP
    clip = clipBox;
#endif
    gl_Position = vec4(position, 1.0);
}
)";

// The fragment shaders, one program per mode (MODE): flat colour; the fixed-function texture
// environment GL_MODULATE; and that with the alpha test GL_GEQUAL 0.1 for glyphs. Separate
// programs, not a uniform branch: llvmpipe runs both sides of a branch on every fragment, and
// a program that may discard loses its early depth test, so the flat quads (the window over the
// viewport) would pay for the glyphs' filtering and alpha test. With CLIP, fragments outside
// the primitive's clip box (window pixels) are cut as the scissor test cuts them: a pixel's
// centre lies half a pixel from the box's whole-pixel edges.
constexpr const char* kFragmentBody = R"(
uniform sampler2D font;
in vec2 st;
COLOUR in vec4 tint;
#if CLIP
flat in vec4 clip;
#endif
out vec4 fragment;
void main() {
#if CLIP
    if (gl_FragCoord.x < clip.x || gl_FragCoord.y < clip.y || gl_FragCoord.x > clip.z ||
        gl_FragCoord.y > clip.w)
        discard;
#endif
#if MODE == 0
    fragment = tint;
#else
    vec4 c = texture(font, st) * tint;
#if MODE == 2
    if (c.a < 0.1)
        discard;
#endif
    fragment = c;
#endif
}
)";

// Compiles one shader; 0 with the log in error.
GLuint compile(GLenum type, const std::string& source, std::string& error) {
    const GLuint shader = glCreateShader(type);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint done = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &done);
    if (!done) {
        char log[512] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        error = std::string("the interface's shader does not compile: ") + log;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

}  // namespace

bool ShaderPipeline::prepare(const GlContextInfo& context, std::string& error) {
    Objects& objects = byContext[currentContextKey()];
    // A context that was destroyed may have left its key to a new one.
    if (objects.programs[0] &&
        (!glIsProgram(objects.programs[0]) || !glIsVertexArray(objects.vertexArray)))
        objects = Objects();
    if (!objects.programs[0] && !build(context, objects, error))
        return false;
    objects.fontTexture = fontTextureHere();
    current = &objects;
    return true;
}

// Links one program of the vertex shader and the fragment shader for a mode; 0 with the reason.
GLuint ShaderPipeline::link(const std::string& header, GLuint vertex, int mode,
                            std::string& error) {
    const GLuint fragment =
        compile(GL_FRAGMENT_SHADER,
                header + "#define MODE " + std::to_string(mode) + "\n" + kFragmentBody, error);
    if (!fragment)
        return 0;
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    glDeleteShader(fragment);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) {
        error = "the interface's shaders do not link";
        glDeleteProgram(program);
        return 0;
    }
    if (mode != kFlat) {
        GLint previous = 0;
        glGetIntegerv(GL_CURRENT_PROGRAM, &previous);
        glUseProgram(program);
        glUniform1i(glGetUniformLocation(program, "font"), 0);
        glUseProgram(GLuint(previous));
    }
    return program;
}

void ShaderPipeline::release() {
    const auto here = byContext.find(currentContextKey());
    if (here == byContext.end())
        return;
    const Objects& objects = here->second;
    // Only while they are still this context's: a context made where a destroyed one was may
    // carry its key.
    if (objects.programs[0] && glIsProgram(objects.programs[0])) {
        for (GLuint program : objects.programs)
            glDeleteProgram(program);
        glDeleteVertexArrays(1, &objects.vertexArray);
        const GLuint buffers[] = {objects.vertexBuffer, objects.clipBuffer, objects.indexBuffer};
        glDeleteBuffers(3, buffers);
    }
    if (current == &here->second)
        current = nullptr;
    byContext.erase(here);
}

bool ShaderPipeline::build(const GlContextInfo& context, Objects& objects, std::string& error) {
    const std::string header = context.es
                                   ? "#version 300 es\nprecision highp float;\n#define COLOUR\n"
                                   : "#version 330 core\n#define COLOUR noperspective\n";
    GLuint programs[kProgramCount] = {};
    for (int clip = 0; clip < 2; ++clip) {
        const std::string variant = header + "#define CLIP " + std::to_string(clip) + "\n";
        const GLuint vertex = compile(GL_VERTEX_SHADER, variant + kVertexBody, error);
        bool linked = vertex != 0;
        for (int mode = 0; mode < kModeCount && linked; ++mode)
            linked = (programs[clip * kModeCount + mode] = link(variant, vertex, mode, error));
        if (vertex)
            glDeleteShader(vertex);
        if (!linked) {
            for (GLuint made : programs)
                if (made)
                    glDeleteProgram(made);
            return false;
        }
    }
    std::copy(programs, programs + kProgramCount, objects.programs);
    glGenVertexArrays(1, &objects.vertexArray);
    glGenBuffers(1, &objects.vertexBuffer);
    glGenBuffers(1, &objects.clipBuffer);
    glGenBuffers(1, &objects.indexBuffer);
    return true;
}

void ShaderPipeline::begin(const std::vector<DrawVertex>& vertices,
                           const std::vector<float>& clips) {
    Objects& o = *current;
    glBindVertexArray(o.vertexArray);
    withClips = !clips.empty();
    if (withClips) {
        glBindBuffer(GL_ARRAY_BUFFER, o.clipBuffer);
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(clips.size() * sizeof(float)), clips.data(),
                     GL_STREAM_DRAW);
    }
    glBindBuffer(GL_ARRAY_BUFFER, o.vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(vertices.size() * sizeof(DrawVertex)), vertices.data(),
                 GL_STREAM_DRAW);
    // Quads are drawn as the triangles (0, 1, 2) and (0, 2, 3), as GL splits GL_QUADS.
    const uint32_t quads = uint32_t(vertices.size() / 4);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, o.indexBuffer);
    if (quads > o.indexedQuads) {
        std::vector<uint32_t> indices(size_t(quads) * 6);
        for (uint32_t q = 0; q < quads; ++q) {
            const uint32_t v = q * 4, corners[6] = {v, v + 1, v + 2, v, v + 2, v + 3};
            std::copy(corners, corners + 6, indices.begin() + q * 6);
        }
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(uint32_t)),
                     indices.data(), GL_STATIC_DRAW);
        o.indexedQuads = quads;
    }
    for (GLuint i = 0; i < 3; ++i)
        glEnableVertexAttribArray(i);
    // The vertex array keeps the switch: clip boxes of an earlier frame are not read.
    if (withClips)
        glEnableVertexAttribArray(3);
    else
        glDisableVertexAttribArray(3);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &boundTexture);
    glBindTexture(GL_TEXTURE_2D, o.fontTexture);
    drawing = o.fontTexture;
    mode = -1;
}

void ShaderPipeline::pointAt(uint32_t first) {
    const GLsizei stride = sizeof(DrawVertex);
    const size_t at = size_t(first) * sizeof(DrawVertex);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(at + offsetof(DrawVertex, x)));
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(at + offsetof(DrawVertex, s)));
    glVertexAttribPointer(2, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(at + offsetof(DrawVertex, rgba)));
    if (withClips) {
        glBindBuffer(GL_ARRAY_BUFFER, current->clipBuffer);
        glVertexAttribPointer(3, 4, GL_FLOAT, GL_FALSE, 0,
                              reinterpret_cast<const void*>(size_t(first) * 4 * sizeof(float)));
        glBindBuffer(GL_ARRAY_BUFFER, current->vertexBuffer);
    }
}

void ShaderPipeline::setState(DrawState state, unsigned int texture, bool clipped) {
    int wanted = kFlat;
    const bool picture =
        state == DrawState::PictureQuads || state == DrawState::BlendedPictureQuads;
    // Without a font no texture is complete: the fixed-function pipeline then draws as if
    // texturing were off.
    if ((state == DrawState::TexturedQuads && current->fontTexture) || picture)
        wanted = kTextured;
    else if (state == DrawState::Glyphs)
        wanted = kGlyph;
    const unsigned int wantedTexture = picture ? texture : current->fontTexture;
    if (wanted != kFlat && wantedTexture != drawing) {
        glBindTexture(GL_TEXTURE_2D, wantedTexture);
        drawing = wantedTexture;
    }
    applyBlending(state);
    if (clipped && withClips)
        wanted += kModeCount;
    if (wanted != mode) {
        glUseProgram(current->programs[wanted]);
        mode = wanted;
    }
}

void ShaderPipeline::draw(DrawState state, uint32_t first, uint32_t count) {
    pointAt(first);
    if (state == DrawState::Lines)
        glDrawArrays(GL_LINES, 0, GLsizei(count));
    else
        glDrawElements(GL_TRIANGLES, GLsizei(count / 4 * 6), GL_UNSIGNED_INT, nullptr);
}

void ShaderPipeline::end() {
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glUseProgram(0);
    glBindTexture(GL_TEXTURE_2D, GLuint(boundTexture));
}

}  // namespace trellis
