// GlContextId: which OpenGL context is current on this thread, for the GL objects that belong
// to one context (contexts made by this toolkit's programs do not share their objects).
#pragma once

namespace trellis {

// The identity of a GL context, made through GLX (windows), EGL (off screen) or a browser's
// WebGL; two ids are equal exactly when they name the same context while it lives.
struct GlContextId {
    const void* glx = nullptr;    // GLX's current context, or null
    const void* egl = nullptr;    // EGL's current context, or null
    const void* webgl = nullptr;  // the page's current WebGL context (in a browser), or null

    // The context current on this thread; all parts null without one.
    static GlContextId current();

    bool operator==(const GlContextId& other) const {
        return glx == other.glx && egl == other.egl && webgl == other.webgl;
    }
};

}  // namespace trellis
