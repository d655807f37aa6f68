// The host API's drawing: the interface drawn inside the host's frame, with the host's GL state
// saved before and restored after, and the interface's own state set in between.
#include "CoreGlState.h"
#include "HostState.h"
#include "font/FontTexture.h"
#include "font/GlContext.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/render/Renderer.h"
#include "trellis/shell/GuiShell.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace trellis {

namespace {

// The context's OpenGL version as major * 10 + minor (2.1 is 21).
int glVersion() {
    const char* text = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!text)
        return 0;
    const char* dot = std::strchr(text, '.');
    return std::atoi(text) * 10 + (dot ? std::atoi(dot + 1) % 10 : 0);
}

// A capability and the version that brought it: the interface draws with it switched off.
struct Capability {
    GLenum cap;
    int since;
};

// Switches that change what immediate-mode quads, lines and text put into the framebuffer.
// glPushAttrib keeps them all, save the last two, which are saved by hand.
constexpr Capability kOffWhileDrawing[] = {
    {GL_ALPHA_TEST, 10},
    {GL_BLEND, 10},
    {GL_COLOR_LOGIC_OP, 11},
    {GL_COLOR_MATERIAL, 10},
    {GL_CULL_FACE, 10},
    {GL_DEPTH_TEST, 10},
    {GL_FOG, 10},
    {GL_LIGHTING, 10},
    {GL_LINE_SMOOTH, 10},
    {GL_LINE_STIPPLE, 10},
    {GL_POLYGON_OFFSET_FILL, 11},
    {GL_POLYGON_SMOOTH, 10},
    {GL_POLYGON_STIPPLE, 10},
    {GL_SCISSOR_TEST, 10},
    {GL_STENCIL_TEST, 10},
    {GL_COLOR_SUM, 14},
    {GL_MULTISAMPLE, 13},
    {GL_SAMPLE_ALPHA_TO_COVERAGE, 13},
    {GL_SAMPLE_COVERAGE, 13},
    {GL_CLIP_PLANE0, 10},
    {GL_CLIP_PLANE1, 10},
    {GL_CLIP_PLANE2, 10},
    {GL_CLIP_PLANE3, 10},
    {GL_CLIP_PLANE4, 10},
    {GL_CLIP_PLANE5, 10},
    {GL_FRAMEBUFFER_SRGB, 30},
    {GL_RASTERIZER_DISCARD, 30},
};
constexpr int kSavedByHand = 2;  // the last entries: outside glPushAttrib's reach
constexpr int kCapabilityCount = sizeof kOffWhileDrawing / sizeof kOffWhileDrawing[0];

// Texture targets of one unit, and texture-coordinate generation, off while drawing.
constexpr Capability kUnitTexturing[] = {
    {GL_TEXTURE_1D, 10},       {GL_TEXTURE_2D, 10},        {GL_TEXTURE_3D, 12},
    {GL_TEXTURE_CUBE_MAP, 13}, {GL_TEXTURE_RECTANGLE, 31}, {GL_TEXTURE_GEN_S, 10},
    {GL_TEXTURE_GEN_T, 10},    {GL_TEXTURE_GEN_R, 10},     {GL_TEXTURE_GEN_Q, 10},
};

// Generic vertex attributes whose enables are saved (a host enabling more than this many
// is not known to exist; GL guarantees 16).
constexpr GLuint kSavedAttributes = 32;

// The host's state that glPushAttrib and glPushClientAttrib do not keep, or that is restored
// more simply by hand.
struct HostGlState {
    int version = 0;
    bool vertexArrays = false;  // the context has vertex array objects
    GLint program = 0;
    GLint sampler = 0;  // bound to texture unit 0
    GLfloat projection[16], modelView[16], texture[16];
    GLboolean unpushed[kSavedByHand] = {};
    // Vertex input: the host's vertex array object, and of the default one (which the
    // interface draws with) its element buffer and enabled generic attributes; generic
    // attribute 0 enabled would replace the vertex positions of the interface's arrays.
    GLint vertexArray = 0, arrayBuffer = 0, elementBuffer = 0;
    uint32_t enabledAttributes = 0;  // bit i: generic attribute i
    GLint unpackBuffer = 0;          // a texture upload would read from it
};

// Whether the context has vertex array objects (core in 3.0, an extension before).
bool hasVertexArrayObjects(int version) {
    if (version >= 30)
        return true;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions && std::strstr(extensions, "GL_ARB_vertex_array_object");
}

// How many generic attributes the context has, up to the number saved.
GLuint attributeCount(int version) {
    if (version < 20)
        return 0;
    GLint count = 0;
    glGetIntegerv(GL_MAX_VERTEX_ATTRIBS, &count);
    return std::min(GLuint(count), kSavedAttributes);
}

// Saves the host's vertex input and leaves the default vertex array object bound, with no
// buffer bound and no generic attribute enabled.
void neutraliseVertexInput(HostGlState& saved) {
    saved.vertexArrays = hasVertexArrayObjects(saved.version);
    if (saved.vertexArrays) {
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &saved.vertexArray);
        glBindVertexArray(0);
    }
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &saved.arrayBuffer);
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &saved.elementBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    const GLuint attributes = attributeCount(saved.version);
    for (GLuint i = 0; i < attributes; ++i) {
        GLint enabled = 0;
        glGetVertexAttribiv(i, GL_VERTEX_ATTRIB_ARRAY_ENABLED, &enabled);
        if (enabled) {
            saved.enabledAttributes |= 1u << i;
            glDisableVertexAttribArray(i);
        }
    }
    if (saved.version >= 21) {
        glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &saved.unpackBuffer);
        glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    }
}

// Puts back what neutraliseVertexInput saved, the default vertex array object's parts first.
void restoreVertexInput(const HostGlState& saved) {
    if (saved.version >= 21)
        glBindBuffer(GL_PIXEL_UNPACK_BUFFER, GLuint(saved.unpackBuffer));
    for (GLuint i = 0; i < kSavedAttributes; ++i)
        if (saved.enabledAttributes & (1u << i))
            glEnableVertexAttribArray(i);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, GLuint(saved.elementBuffer));
    if (saved.vertexArrays)
        glBindVertexArray(GLuint(saved.vertexArray));
    glBindBuffer(GL_ARRAY_BUFFER, GLuint(saved.arrayBuffer));
}

HostGlState saveHostState() {
    HostGlState saved;
    saved.version = glVersion();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glActiveTexture(GL_TEXTURE0);
    if (saved.version >= 20)
        glGetIntegerv(GL_CURRENT_PROGRAM, &saved.program);
    if (saved.version >= 33)
        glGetIntegerv(GL_SAMPLER_BINDING, &saved.sampler);
    glGetFloatv(GL_PROJECTION_MATRIX, saved.projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, saved.modelView);
    glGetFloatv(GL_TEXTURE_MATRIX, saved.texture);
    if (saved.version >= 15)
        neutraliseVertexInput(saved);
    for (int i = 0; i < kSavedByHand; ++i) {
        const Capability& c = kOffWhileDrawing[kCapabilityCount - kSavedByHand + i];
        if (saved.version >= c.since)
            saved.unpushed[i] = glIsEnabled(c.cap);
    }
    return saved;
}

void restoreHostState(const HostGlState& saved) {
    for (int i = 0; i < kSavedByHand; ++i) {
        const Capability& c = kOffWhileDrawing[kCapabilityCount - kSavedByHand + i];
        if (saved.version >= c.since && saved.unpushed[i])
            glEnable(c.cap);
    }
    glActiveTexture(GL_TEXTURE0);
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(saved.texture);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(saved.projection);
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(saved.modelView);
    if (saved.version >= 33)
        glBindSampler(0, saved.sampler);
    if (saved.version >= 20)
        glUseProgram(saved.program);
    if (saved.version >= 15)
        restoreVertexInput(saved);
    glPopClientAttrib();
    // These two also bring back the active texture unit and the client's.
    glPopAttrib();
}

// The state drawFrame meets in the demo's loop: GL's defaults, except what the interface's own
// text drawing leaves behind (blend and alpha functions, the font texture bound).
void useInterfaceState(int version) {
    if (version >= 20)
        glUseProgram(0);
    if (version >= 33)
        glBindSampler(0, 0);
    for (const Capability& c : kOffWhileDrawing)
        if (version >= c.since)
            glDisable(c.cap);
    glEnable(GL_DITHER);
    // Any unit still texturing would tint the interface; unit 0 is left active.
    GLint units = 1;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &units);
    for (int unit = units - 1; unit >= 0; --unit) {
        glActiveTexture(GL_TEXTURE0 + unit);
        for (const Capability& c : kUnitTexturing)
            if (version >= c.since)
                glDisable(c.cap);
    }
    glClientActiveTexture(GL_TEXTURE0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexEnvf(GL_TEXTURE_FILTER_CONTROL, GL_TEXTURE_LOD_BIAS, 0);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, fontTextureHere());
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBlendEquation(GL_FUNC_ADD);
    glAlphaFunc(GL_GEQUAL, 0.1f);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    glLineWidth(1);
    // The batched renderer orders its drawing by depth over the whole range.
    glDepthRange(0, 1);
}

}  // namespace

void drawInterface(bool debugLines) {
    const int width = hostState.framebufferWidth, height = hostState.framebufferHeight;
    if (!rootElement || width < 1 || height < 1 || viewport[3] < 1 || !glGetString(GL_VERSION))
        return;
    const GlContextInfo context = currentGlContext();
    if (!context.fixedFunction) {
        // No matrices or attribute stack: the shader renderer computes the projection from
        // the viewport, and the host's state is kept by hand.
        if (!context.shaders)
            return;
        CoreGlState saved;
        saved.saveAndNeutralise(context);
        glViewport(0, 0, width, height);
        renderTree(rootElement, debugLines);
        saved.restore();
        return;
    }
    const HostGlState saved = saveHostState();
    useInterfaceState(saved.version);
    // The framebuffer from its top-left corner, at the pixel grid's size: 100 units are
    // viewport[3] pixels, however large the framebuffer is now.
    glViewport(0, 0, width, height);
    loadScreenProjection(100.0 * width / viewport[3], 100.0 * height / viewport[3]);
    renderTree(rootElement, debugLines);
    restoreHostState(saved);
}

}  // namespace trellis
