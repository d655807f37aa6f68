// OffscreenContext: an OpenGL context with no window and no X server (EGL on Mesa's surfaceless
// platform), drawing into a framebuffer object laid out like the demo window's back buffer.
#pragma once

#include "files/PngFile.h"

#include <string>

namespace trellis {

// A desktop OpenGL context made current on this thread, with a bound framebuffer object of
// 8-bit RGBA colour and a 24-bit depth buffer, width x height pixels.
class OffscreenContext {
public:
    OffscreenContext() = default;
    // Releases the framebuffer and the context.
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    // Creates the context and the framebuffer, makes them current and sets the viewport to the
    // whole framebuffer. False, with the reason in error, when EGL, the surfaceless platform, a
    // desktop GL context or a complete framebuffer cannot be had.
    bool open(int width, int height, std::string& error);

    // The framebuffer's pixels, rows from the top, alpha forced opaque as a window shows them.
    PngImage readPixels() const;

private:
    void* display = nullptr;  // EGLDisplay
    void* context = nullptr;  // EGLContext
    unsigned int framebuffer = 0, colour = 0, depth = 0;
    int width = 0, height = 0;
};

}  // namespace trellis
