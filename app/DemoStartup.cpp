// The demo's start-up sequence and its frame.
#include "app/DemoStartup.h"

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

void tell(StartupObserver* observer, StartupStep step) {
    if (observer)
        observer->stepDone(step);
}

}  // namespace

bool startDemo(StartupObserver* observer) {
    if (!openWindow()) {
        std::fprintf(stderr, "trellis-demo: cannot open the window: %s\n", windowError());
        return false;
    }
    tell(observer, StartupStep::WindowOpen);
    glClearColor(0, 0, 0, 1);
    registerCallback("changeSkin", changeSkin, &demoApplication);
    if (!initGui()) {
        std::fprintf(stderr, "trellis-demo: cannot start the interface: no OpenGL context\n");
        return false;
    }
    tell(observer, StartupStep::GuiReady);
    loadDialogue();
    tell(observer, StartupStep::DialogueLoaded);
    userMouseButtonHandler = printUnhandled;
    setMousePosHandler(onMousePos);
    setMouseButtonHandler(onMouseButton);
    setKeyHandler(onKey);
    setCharHandler(onCharEvent);
    setScrollHandler(onScrollEvent);
    setFramebufferSizeHandler(anchorViewport);
    return true;
}

void drawDemoFrame() {
    swapBuffers();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawFrame();
}
