// Scoped scissor clips: the rectangle projected to window pixels and met with the clip before.
#include "trellis/gui/ScissorClip.h"

#include "font/GlContext.h"
#include "font/GlContextId.h"
#include "state/KeptVariable.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>

namespace trellis {

namespace {

#ifndef GL_CLIP_ORIGIN
#define GL_CLIP_ORIGIN 0x935C
#endif
#ifndef GL_UPPER_LEFT
#define GL_UPPER_LEFT 0x8CA2
#endif

// The context hasClipControl last asked about, and its answer: each interface draws in a
// context of its own, so it keeps its own.
GlContextId known;
bool answer = false;
const bool perInterface = keepPerInterface(known, answer);

// Whether the current context can have its window origin at the upper left (glClipControl, in
// OpenGL 4.5, ARB_clip_control or EXT_clip_control): asking a context without it would leave a
// GL error behind. Found once per context.
bool hasClipControl() {
    const GlContextId here = GlContextId::current();
    if (here == known)
        return answer;
    known = here;
    const GlContextInfo context = currentGlContext();
    answer = (!context.es && context.version >= 45) ||
             hasGlExtension(context, "GL_ARB_clip_control") ||
             hasGlExtension(context, "GL_EXT_clip_control");
    return answer;
}

// The window pixel that a point of the current drawing coordinates lands on (y from below).
void project(double x, double y, const GLdouble* modelView, const GLdouble* projection,
             const GLint* viewport, double& windowX, double& windowY) {
    double windowZ = 0;
    if (!gluProject(x, y, 0, modelView, projection, viewport, &windowX, &windowY, &windowZ))
        windowX = windowY = 0;
}

}  // namespace

bool windowOriginUpperLeft() {
    // Then window y runs downwards, and the scissor box counts rows from the other end than
    // gluProject does.
    if (!hasClipControl())
        return false;
    GLint origin = 0;
    glGetIntegerv(GL_CLIP_ORIGIN, &origin);
    return origin == GL_UPPER_LEFT;
}

void scissorBoxOf(float x, float y, float width, float height, const double* modelView,
                  const double* projection, const int* viewport, bool upperLeft, long (&box)[4]) {
    double x0, y0, x1, y1;
    project(x, y, modelView, projection, viewport, x0, y0);
    project(x + width, y + height, modelView, projection, viewport, x1, y1);
    if (upperLeft) {
        y0 = 2.0 * viewport[1] + viewport[3] - y0;
        y1 = 2.0 * viewport[1] + viewport[3] - y1;
    }
    // Element edges lie on whole pixels; rounding keeps a float's last bit from losing one.
    box[0] = std::lround(std::min(x0, x1));
    box[1] = std::lround(std::min(y0, y1));
    box[2] = std::lround(std::max(x0, x1));
    box[3] = std::lround(std::max(y0, y1));
}

ScissorClip::ScissorClip(float x, float y, float width, float height) {
    wasEnabled = glIsEnabled(GL_SCISSOR_TEST) == GL_TRUE;
    glGetIntegerv(GL_SCISSOR_BOX, previousBox);
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    long box[4];
    scissorBoxOf(x, y, width, height, modelView, projection, viewport, windowOriginUpperLeft(),
                 box);
    long left = box[0], bottom = box[1], right = box[2], top = box[3];
    if (wasEnabled) {
        left = std::max<long>(left, previousBox[0]);
        bottom = std::max<long>(bottom, previousBox[1]);
        right = std::min<long>(right, long(previousBox[0]) + previousBox[2]);
        top = std::min<long>(top, long(previousBox[1]) + previousBox[3]);
    }
    glEnable(GL_SCISSOR_TEST);
    glScissor(GLint(left), GLint(bottom), GLsizei(std::max(0L, right - left)),
              GLsizei(std::max(0L, top - bottom)));
}

ScissorClip::~ScissorClip() {
    glScissor(previousBox[0], previousBox[1], previousBox[2], previousBox[3]);
    if (!wasEnabled)
        glDisable(GL_SCISSOR_TEST);
}

}  // namespace trellis
