// Plain filled rectangles in immediate mode.
#include "trellis/gui/FlatRect.h"

#include <GL/gl.h>

namespace trellis {

void drawFlatRect(float left, float top, float right, float bottom) {
    glBegin(GL_QUADS);
    glVertex2f(left, top);
    glVertex2f(left, bottom);
    glVertex2f(right, bottom);
    glVertex2f(right, top);
    glEnd();
}

}  // namespace trellis
