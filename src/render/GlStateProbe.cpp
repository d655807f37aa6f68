// Reading the GL state the batched path depends on.
#include "GlStateProbe.h"

#include "font/FontTexture.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/ScreenUnits.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace trellis {

namespace {

// Switches that change how later drawing lands in the framebuffer.
constexpr GLenum kSwitches[] = {
    GL_BLEND,          GL_ALPHA_TEST,          GL_SCISSOR_TEST,   GL_STENCIL_TEST, GL_DEPTH_TEST,
    GL_COLOR_LOGIC_OP, GL_CULL_FACE,           GL_LIGHTING,       GL_FOG,          GL_LINE_SMOOTH,
    GL_POLYGON_SMOOTH, GL_POLYGON_OFFSET_FILL, GL_COLOR_MATERIAL, GL_LINE_STIPPLE, GL_TEXTURE_GEN_S,
    GL_TEXTURE_GEN_T,  GL_TEXTURE_1D,          GL_CLIP_PLANE0,
};

// Values, with the number of floats each takes.
struct Value {
    GLenum name;
    int count;
};
constexpr Value kValues[] = {
    {GL_TEXTURE_BINDING_2D, 1},
    {GL_BLEND_SRC_RGB, 1},
    {GL_BLEND_DST_RGB, 1},
    {GL_BLEND_SRC_ALPHA, 1},
    {GL_BLEND_DST_ALPHA, 1},
    {GL_BLEND_EQUATION_RGB, 1},
    {GL_ALPHA_TEST_FUNC, 1},
    {GL_ALPHA_TEST_REF, 1},
    {GL_DEPTH_FUNC, 1},
    {GL_DEPTH_WRITEMASK, 1},
    {GL_CURRENT_PROGRAM, 1},
    {GL_MATRIX_MODE, 1},
    {GL_ACTIVE_TEXTURE, 1},
    {GL_SHADE_MODEL, 1},
    {GL_LINE_WIDTH, 1},
    {GL_POLYGON_MODE, 2},
    {GL_COLOR_WRITEMASK, 4},
    {GL_SCISSOR_BOX, 4},
    {GL_VIEWPORT, 4},
    {GL_DEPTH_RANGE, 2},
    {GL_MODELVIEW_MATRIX, 16},
    {GL_PROJECTION_MATRIX, 16},
    {GL_TEXTURE_MATRIX, 16},
    {GL_MODELVIEW_STACK_DEPTH, 1},
    {GL_PROJECTION_STACK_DEPTH, 1},
};

bool isIdentity(const float (&m)[16]) {
    for (int i = 0; i < 16; ++i)
        if (m[i] != (i % 5 == 0 ? 1.0f : 0.0f))
            return false;
    return true;
}

// An orthographic projection without rotation: only scale and offset terms.
bool isAxisAligned(const float (&p)[16]) {
    for (int i : {1, 2, 3, 4, 6, 7, 8, 9, 11})
        if (p[i] != 0)
            return false;
    return p[15] == 1 && p[0] != 0 && p[5] != 0;
}

// Pieces of drawing eight depth steps apart; 2^(bits - 3) - 1 of them fit in clip z from 1
// to -1 (2^21 - 1 with 24 bits).
void setDepthPieces(RecordStart& start, int depthBits) {
    const int bits = depthBits > 24 ? 24 : depthBits;
    start.depthStep = 1.0f / float(1u << (bits - 4));
    start.depthPieces = (1u << (bits - 3)) - 1;
}

}  // namespace

void GlStateProbe::read() {
    values.clear();
    for (GLenum s : kSwitches)
        values.push_back(glIsEnabled(s) ? 1.0f : 0.0f);
    for (const Value& v : kValues) {
        float read[16] = {};
        glGetFloatv(v.name, read);
        values.insert(values.end(), read, read + v.count);
    }
    GLint mode = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
    values.push_back(float(mode));
}

bool readRecordStart(RecordStart& start) {
    // A scissor in force would meet the clips the frame records.
    if (glIsEnabled(GL_BLEND) || glIsEnabled(GL_ALPHA_TEST) || glIsEnabled(GL_DEPTH_TEST) ||
        glIsEnabled(GL_SCISSOR_TEST))
        return false;
    GLint program = 0, mode = 0, depthBits = 0, bound = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    if (program != 0 || mode != GL_MODELVIEW || depthBits < 16)
        return false;
    if (fontLoaded && GLuint(bound) != fontTextureHere())
        return false;
    float modelView[16], range[2];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    glGetFloatv(GL_PROJECTION_MATRIX, start.projection);
    glGetFloatv(GL_DEPTH_RANGE, range);
    if (!isIdentity(modelView) || !isAxisAligned(start.projection) || range[0] != 0 ||
        range[1] != 1)
        return false;
    glGetIntegerv(GL_VIEWPORT, start.viewport);
    setDepthPieces(start, depthBits);
    return true;
}

bool readShaderStart(RecordStart& start) {
    glGetIntegerv(GL_VIEWPORT, start.viewport);
    screenProjection(100.0 * start.viewport[2] / viewport[3],
                     100.0 * start.viewport[3] / viewport[3], start.projection);
    // Core profiles have no GL_DEPTH_BITS: the depth attachment of the framebuffer says.
    GLint framebuffer = 0, type = GL_NONE, bits = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
    const GLenum attachment = framebuffer ? GL_DEPTH_ATTACHMENT : GL_DEPTH;
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
    if (type != GL_NONE)
        glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, attachment,
                                              GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &bits);
    if (bits < 16) {
        // Nothing tests depth then, but each piece's depth must still lie inside the clip
        // volume, or the pieces would be clipped away.
        setDepthPieces(start, 24);
        return false;
    }
    setDepthPieces(start, bits);
    return true;
}

}  // namespace trellis
