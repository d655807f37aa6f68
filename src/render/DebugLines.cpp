// The debug lines' texts and places, and their immediate drawing.
#include "trellis/render/DebugLines.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/InputRouting.h"

#include <GL/gl.h>
#include <cstdio>

namespace trellis {

int currentDebugLines(DebugLine (&lines)[kMaxDebugLines], char (&pointerLine)[128]) {
    int count = 0;
    if (hoveredElement)
        lines[count++] = {hoveredElement->skinClass, 91};
    if (focusElement)
        lines[count++] = {focusElement->name.c_str(), 94};
    std::snprintf(pointerLine, sizeof pointerLine, "%.3f / %.3f", pointerX, pointerY);
    lines[count++] = {pointerLine, 97};
    return count;
}

void drawDebugLinesNow() {
    DebugLine lines[kMaxDebugLines];
    char pointerLine[128];
    const int count = currentDebugLines(lines, pointerLine);
    glColor3f(1, 1, 1);
    for (int i = 0; i < count; ++i)
        drawText(lines[i].text, kDebugRightEdge, lines[i].y, kDebugTextSize, true);
}

}  // namespace trellis
