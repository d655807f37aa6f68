// GlContext: what the current OpenGL context is (its version, whether it is OpenGL ES, whether
// it keeps the fixed-function pipeline) and a key that tells contexts apart, for the GL objects
// that belong to one context.
#pragma once

#include <string>

namespace trellis {

// The current context as trellis sees it.
struct GlContextInfo {
    bool current = false;        // a context is current (GL_VERSION can be read)
    bool es = false;             // OpenGL ES (or WebGL)
    int version = 0;             // major * 10 + minor: 33 for 3.3, 30 for ES 3.0
    bool fixedFunction = false;  // glBegin, matrices and client arrays are there
    bool shaders = false;        // the shader renderer's GLSL (330 core or 300 es) compiles
};

// Reads the current context's version, profile and flags.
GlContextInfo currentGlContext();

// Whether the current context (described by context) offers the named extension.
bool hasGlExtension(const GlContextInfo& context, const char* extension);

// Why trellis cannot draw in a context, or empty when it can: a context needs either the
// fixed-function pipeline or the shader renderer's language ("an OpenGL ES 2.0 context: ...").
std::string unusableContextReason(const GlContextInfo& context);

// A value that differs between the contexts current at different times (the window system's
// context handle), or null when the window system cannot tell.
const void* currentContextKey();

// Keeps currentContextKey() at the current context's key for as long as it lives, without
// asking the window system again (GLVND checks for a fork, a system call, on every question):
// for a stretch of work that makes no other context current, such as recording a frame.
class HeldContextKey {
public:
    HeldContextKey();
    ~HeldContextKey();
    HeldContextKey(const HeldContextKey&) = delete;
    HeldContextKey& operator=(const HeldContextKey&) = delete;

private:
    bool outermost;
};

}  // namespace trellis
