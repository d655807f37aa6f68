// The window library, as the shell uses it: one window, its input handlers and a swap that
// polls events first. Built on GLFW 3 with an older behaviour kept: installing the pointer
// handler reports the last known pointer position at once ((0, 0) before any event).
#pragma once

#include "trellis/gui/InputRouting.h"
#include "trellis/gui/ScreenUnits.h"  // cursorToPixels

namespace trellis {

// Asks the window library for the window's pixel format: 8 bits each of red, green, blue and
// alpha, a 24-bit depth buffer and no stencil.
void hintWindowFormat();

// Starts the library and opens the 1024 x 768 window (8/8/8/8 colour, 24 depth, no stencil)
// with its context current. False when the window or its context cannot be had: there is then
// no window, windowError tells why, and later calls do nothing.
bool openWindow();

// Why the last openWindow failed, in the window library's own words; empty after a success.
const char* windowError();

// Installs the pointer handler and reports the last known pointer position to it at once.
void setMousePosHandler(InputHook handler);

// Installs the mouse-button handler (button, action).
void setMouseButtonHandler(InputHook handler);

// Installs the key handler (key, action); a held key's repeats come as more presses (1).
void setKeyHandler(InputHook handler);

// Installs the character handler (a Unicode code point for every character typed).
void setCharHandler(CharHook handler);

// Installs the wheel handler (horizontal and vertical offsets in notches).
void setScrollHandler(ScrollHook handler);

// Installs the handler told the framebuffer's new size (width, height) in pixels whenever the
// window is resized; it runs inside swapBuffers' polling, with the window's context current.
void setFramebufferSizeHandler(InputHook handler);

// True while the window is open and has not been asked to close.
bool windowIsOpen();

// Polls the window's events (running the handlers), then swaps the buffers.
void swapBuffers();

}  // namespace trellis
