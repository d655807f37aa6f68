// The host API's own state, shared by its start-up, input, loading and drawing files.
#pragma once

#include "trellis/gui/InputRouting.h"
#include "trellis/shell/Host.h"

namespace trellis {

// What the host has told the interface about its window, and what the interface took.
struct HostState {
    int framebufferWidth = 0, framebufferHeight = 0;  // pixels; 0 until initHostGui
    int windowWidth = 0, windowHeight = 0;            // screen coordinates; 0 (unknown) scales by 1
    HostResize resize = HostResize::KeepPixelSize;    // how hostFramebufferSize resizes
    bool tookLastEvent = false;                       // interfaceTookLastEvent's answer
    bool tookPress[kMouseButtonCount] = {};           // per button: a press the interface took
    const void* fontContext = nullptr;  // context current when loadFont last loaded a font
    unsigned int fontTexture = 0;       // the texture that load created
};

extern HostState hostState;  // the current interface's host state

// Connects the window library's clipboard when initHostGui starts an interface in one of its
// windows; set by the window library's part of trellis (trellis-glfw) when linked. One for the
// program, as the clipboard is.
extern void (*connectWindowClipboard)();

// The pointer moved to (x, y) in window coordinates, for a window of the given size in screen
// coordinates (0: unknown, scale by 1) and framebuffer in pixels.
void routeHostPointer(double x, double y, int windowWidth, int windowHeight, int framebufferWidth,
                      int framebufferHeight);

}  // namespace trellis
