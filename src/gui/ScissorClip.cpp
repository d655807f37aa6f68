// Scoped scissor clips: the rectangle projected to window pixels and met with the clip before.
#include "trellis/gui/ScissorClip.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <algorithm>
#include <cmath>

namespace trellis {

namespace {

// The window pixel that a point of the current drawing coordinates lands on (y from below).
void project(double x, double y, const GLdouble* modelView, const GLdouble* projection,
             const GLint* viewport, double& windowX, double& windowY) {
    double windowZ = 0;
    if (!gluProject(x, y, 0, modelView, projection, viewport, &windowX, &windowY, &windowZ))
        windowX = windowY = 0;
}

}  // namespace

ScissorClip::ScissorClip(float x, float y, float width, float height) {
    wasEnabled = glIsEnabled(GL_SCISSOR_TEST) == GL_TRUE;
    glGetIntegerv(GL_SCISSOR_BOX, previousBox);
    GLdouble modelView[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double x0, y0, x1, y1;
    project(x, y, modelView, projection, viewport, x0, y0);
    project(x + width, y + height, modelView, projection, viewport, x1, y1);
    // Element edges lie on whole pixels; rounding keeps a float's last bit from losing one.
    long left = std::lround(std::min(x0, x1)), right = std::lround(std::max(x0, x1));
    long bottom = std::lround(std::min(y0, y1)), top = std::lround(std::max(y0, y1));
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
