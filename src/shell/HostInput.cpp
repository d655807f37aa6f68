// The host API's events and capture queries: the host's window events routed into the tree,
// each answered with whether the interface took it.
#include "HostState.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/ScreenUnits.h"

namespace trellis {

namespace {

// A visible element of the interface, not the background.
bool isInterfaceElement(const GuiElement* element) {
    return element != rootElement && isShown(element);
}

bool anyPressTaken() {
    for (bool taken : hostState.tookPress)
        if (taken)
            return true;
    return false;
}

}  // namespace

void routeHostPointer(double x, double y, int windowWidth, int windowHeight, int framebufferWidth,
                      int framebufferHeight) {
    int pixelX = 0, pixelY = 0;
    cursorToPixels(x, y, windowWidth, windowHeight, framebufferWidth, framebufferHeight, pixelX,
                   pixelY);
    routePointer(pixelX, pixelY);
    hostState.tookLastEvent = interfaceWantsPointer();
}

void hostCursorPos(double x, double y) {
    routeHostPointer(x, y, hostState.windowWidth, hostState.windowHeight,
                     hostState.framebufferWidth, hostState.framebufferHeight);
}

void hostCursorEnter(bool entered) {
    if (!entered)
        routePointerLeave();
    hostState.tookLastEvent = interfaceWantsPointer();
}

bool hostMouseButton(int button, int action) {
    if (button < 0 || button >= kMouseButtonCount)
        return hostState.tookLastEvent = false;
    const bool pressed = action != kActionRelease;
    // Decided before routing, on what lies under the pointer now: a callback fired by the
    // press may change the tree.
    refreshHover();
    bool taken = hostState.tookPress[button];
    if (pressed)
        taken = isInterfaceElement(hoveredElement);
    hostState.tookPress[button] = pressed && taken;
    routeMouseButton(button, pressed);
    return hostState.tookLastEvent = taken;
}

bool hostKey(int key, int action) {
    return hostState.tookLastEvent = routeKey(key, action != kActionRelease);
}

bool hostChar(unsigned int codepoint) {
    return hostState.tookLastEvent = routeChar(codepoint);
}

bool hostScroll(double dx, double dy) {
    return hostState.tookLastEvent = routeScroll(static_cast<float>(dx), static_cast<float>(dy));
}

bool interfaceWantsPointer() {
    return isInterfaceElement(hoveredElement) || anyPressTaken();
}

bool interfaceTookLastEvent() {
    return hostState.tookLastEvent;
}

}  // namespace trellis
