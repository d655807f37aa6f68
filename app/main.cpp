// trellis-demo: one window built from testDialogue.xml, styled from defaultSkin.xml, with a
// button that switches the skin.
#include "app/ChangeSkin.h"
#include "app/GuiShell.h"
#include "app/InputRouting.h"
#include "app/ScreenUnits.h"
#include "app/WindowShell.h"
#include "dialogue/DialogueLoader.h"
#include "gui/CallbackTable.h"

#include <GL/gl.h>
#include <cstdio>

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
