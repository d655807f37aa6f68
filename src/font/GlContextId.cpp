// The current context, asked of GLX and of EGL, whichever the program uses.
#include "font/GlContextId.h"

#include <dlfcn.h>

namespace trellis {

namespace {

using CurrentContextQuery = void* (*)();

// A window system's "current context" query, taken from its library once the program has
// loaded that: the toolkit links neither GLX nor EGL (GLFW loads GLX privately, at run time),
// and a window system whose library is not loaded has no context current.
class ContextQuery {
public:
    // Looks for symbol in the library named by soname, or else in fallback's (may be null).
    ContextQuery(const char* soname, const char* fallback, const char* symbol)
        : libraries{soname, fallback}, symbol(symbol) {}

    // The current context by this window system, or null.
    void* operator()() {
        for (const char* library : libraries)
            if (!query && library)
                if (void* loaded = dlopen(library, RTLD_LAZY | RTLD_NOLOAD))
                    query = reinterpret_cast<CurrentContextQuery>(dlsym(loaded, symbol));
        return query ? query() : nullptr;
    }

    bool found() const { return query != nullptr; }  // whether the query was found

private:
    const char* libraries[2];
    const char* symbol;
    CurrentContextQuery query = nullptr;
};

}  // namespace

GlContextId GlContextId::current() {
    // GLVND's GLX library, or else a GL library with GLX built in.
    static thread_local ContextQuery glx("libGLX.so.0", "libGL.so.1", "glXGetCurrentContext");
    static thread_local ContextQuery egl("libEGL.so.1", nullptr, "eglGetCurrentContext");
    // A thread has one context current, through one window system. EGL, once found, is asked
    // first, so that a program drawing through EGL alone never looks for GLX again.
    GlContextId id;
    if (egl.found() && (id.egl = egl()))
        return id;
    if ((id.glx = glx()))
        return id;
    if (!egl.found())
        id.egl = egl();
    return id;
}

}  // namespace trellis
