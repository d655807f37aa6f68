// trellis-demo: one window built from testDialogue.xml, styled from defaultSkin.xml, with a
// button that switches the skin.
#include "app/ChangeSkin.h"
#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/shell/WindowShell.h"

#include <GL/gl.h>
#include <cstdio>

using namespace trellis;

namespace {

// The receiver handed to changeSkin: it holds nothing, but must be non-null to fire.
struct DemoApplication {
} demoApplication;

}  // namespace

int main() {
    if (!openWindow()) {
        std::fprintf(stderr, "trellis-demo: cannot open the window: %s\n", windowError());
        return 1;
    }
    glClearColor(0, 0, 0, 1);
    registerCallback("changeSkin", changeSkin, &demoApplication);
    if (!initGui()) {
        std::fprintf(stderr, "trellis-demo: cannot start the interface: no OpenGL context\n");
        return 1;
    }
    loadDialogue();
    userMouseButtonHandler = printUnhandled;
    setMousePosHandler(onMousePos);
    setMouseButtonHandler(onMouseButton);
    setKeyHandler(onKey);
    setFramebufferSizeHandler(anchorViewport);
    while (windowIsOpen()) {
        swapBuffers();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawFrame();
    }
    return 0;
}
