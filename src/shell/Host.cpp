// The host API's start-up and resizing (the rest of Host.h is in HostLoad, HostInput and
// HostDraw): the screen units follow the host's framebuffer.
#include "trellis/shell/Host.h"

#include "HostState.h"
#include "font/GlContext.h"
#include "state/KeptVariable.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/layout/LayoutPass.h"

#include <GL/gl.h>
#include <string>
#include <vector>

namespace trellis {

HostState hostState;
void (*connectWindowClipboard)() = nullptr;

namespace {

const bool perInterface = keepPerInterface(hostState);

// Re-snaps every rectangle to the current grid, parents first, so that a window's title bar
// and a title bar's close button are placed by their holders before they snap themselves.
void resnapTree(GuiElement* root) {
    std::vector<GuiElement*> pending{root};
    while (!pending.empty()) {
        GuiElement* element = pending.back();
        pending.pop_back();
        element->setRect(element->x, element->y, element->width, element->height);
        for (GuiElement* child : element->children)
            pending.push_back(child);
    }
}

// Fixes the units for a drawing area of width x height pixels, re-snapping the tree built on
// another grid.
void fixUnitsFor(int width, int height) {
    const float before = pixelSize;
    fixScreenUnitsFor(width, height);
    if (rootElement && before != 0 && pixelSize != before) {
        resnapTree(rootElement);
        layOutInterface();
    }
}

}  // namespace

bool initHostGui(int framebufferWidth, int framebufferHeight) {
    if (framebufferWidth < 1 || framebufferHeight < 1)
        return false;
    const std::string unusable = unusableContextReason(currentGlContext());
    if (!unusable.empty()) {
        reportDiagnostic(
            Diagnostic{"", 0, 0, Severity::Error, "the interface cannot draw in " + unusable});
        return false;
    }
    fixUnitsFor(framebufferWidth, framebufferHeight);
    hostState.framebufferWidth = framebufferWidth;
    hostState.framebufferHeight = framebufferHeight;
    if (!rootElement)
        rootElement = new GuiRoot();
    // A host on GLFW gets its clipboard when trellis-glfw is linked; any other keeps the
    // interface's own, or connects its window system's with setClipboardHooks.
    if (connectWindowClipboard)
        connectWindowClipboard();
    return true;
}

void setHostResize(HostResize mode) {
    hostState.resize = mode;
}

void hostFramebufferSize(int width, int height) {
    if (width < 1 || height < 1)
        return;
    hostState.framebufferWidth = width;
    hostState.framebufferHeight = height;
    if (hostState.resize == HostResize::KeepHeight && pixelSize != 0)
        fixUnitsFor(width, height);
    if (hostState.resize == HostResize::Relayout && pixelSize != 0) {
        setLayoutArea(float(width) * pixelSize, float(height) * pixelSize);
        layOutInterface();
    }
}

void hostWindowSize(int width, int height) {
    hostState.windowWidth = width;
    hostState.windowHeight = height;
}

}  // namespace trellis
