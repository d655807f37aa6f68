// Saving, neutralising and restoring the host's state in a context without fixed function.
#include "CoreGlState.h"

#include "font/GlContext.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <iterator>

namespace trellis {

namespace {

// Switches that change what the interface's triangles and lines put into the framebuffer, in
// OpenGL ES 3 and desktop core profiles alike; the desktop has a few more.
constexpr GLenum kSwitches[] = {
    GL_BLEND,
    GL_CULL_FACE,
    GL_DEPTH_TEST,
    GL_STENCIL_TEST,
    GL_SCISSOR_TEST,
    GL_POLYGON_OFFSET_FILL,
    GL_SAMPLE_ALPHA_TO_COVERAGE,
    GL_SAMPLE_COVERAGE,
    GL_RASTERIZER_DISCARD,
};
constexpr GLenum kDesktopSwitches[] = {
    GL_FRAMEBUFFER_SRGB, GL_COLOR_LOGIC_OP,      GL_MULTISAMPLE,    GL_LINE_SMOOTH,
    GL_POLYGON_SMOOTH,   GL_POLYGON_OFFSET_LINE, GL_DEPTH_CLAMP,    GL_CLIP_DISTANCE0,
    GL_CLIP_DISTANCE1,   GL_CLIP_DISTANCE2,      GL_CLIP_DISTANCE3, GL_CLIP_DISTANCE4,
    GL_CLIP_DISTANCE5,   GL_CLIP_DISTANCE6,      GL_CLIP_DISTANCE7,
};
constexpr GLenum kBlendValues[6] = {GL_BLEND_SRC_RGB,      GL_BLEND_DST_RGB,
                                    GL_BLEND_SRC_ALPHA,    GL_BLEND_DST_ALPHA,
                                    GL_BLEND_EQUATION_RGB, GL_BLEND_EQUATION_ALPHA};

}  // namespace

void CoreGlState::saveAndNeutralise(const GlContextInfo& context) {
    desktop = !context.es;
    switches.assign(std::begin(kSwitches), std::end(kSwitches));
    if (desktop)
        switches.insert(switches.end(), std::begin(kDesktopSwitches), std::end(kDesktopSwitches));
    enabled.clear();
    for (GLenum s : switches) {
        enabled.push_back(glIsEnabled(s));
        glDisable(s);
    }
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer);
    glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &unpackBuffer);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glGetIntegerv(GL_SAMPLER_BINDING, &sampler);
    for (int i = 0; i < 6; ++i)
        glGetIntegerv(kBlendValues[i], &blend[i]);
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
    glGetBooleanv(GL_COLOR_WRITEMASK, colourMask);
    glGetFloatv(GL_DEPTH_RANGE, depthRange);
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &clearDepth);
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_SCISSOR_BOX, scissorBox);
    glUseProgram(0);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    glBindSampler(0, 0);
    glBlendEquation(GL_FUNC_ADD);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthRangef(0, 1);
    glLineWidth(1);
    if (desktop) {
        glGetIntegerv(GL_POLYGON_MODE, polygonMode);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
}

void CoreGlState::restore() const {
    for (size_t i = 0; i < switches.size(); ++i)
        if (enabled[i])
            glEnable(switches[i]);
        else
            glDisable(switches[i]);
    glUseProgram(GLuint(program));
    glBindVertexArray(GLuint(vertexArray));
    glBindBuffer(GL_ARRAY_BUFFER, GLuint(arrayBuffer));
    glBindBuffer(GL_PIXEL_UNPACK_BUFFER, GLuint(unpackBuffer));
    glBindTexture(GL_TEXTURE_2D, GLuint(texture));
    glBindSampler(0, GLuint(sampler));
    glActiveTexture(GLenum(activeTexture));
    glBlendFuncSeparate(GLenum(blend[0]), GLenum(blend[1]), GLenum(blend[2]), GLenum(blend[3]));
    glBlendEquationSeparate(GLenum(blend[4]), GLenum(blend[5]));
    glDepthFunc(GLenum(depthFunc));
    glDepthMask(depthMask);
    glColorMask(colourMask[0], colourMask[1], colourMask[2], colourMask[3]);
    glDepthRangef(depthRange[0], depthRange[1]);
    glClearDepthf(clearDepth);
    glLineWidth(lineWidth);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glScissor(scissorBox[0], scissorBox[1], scissorBox[2], scissorBox[3]);
    if (desktop)
        glPolygonMode(GL_FRONT_AND_BACK, GLenum(polygonMode[0]));
}

}  // namespace trellis
