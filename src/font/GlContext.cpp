// Reading the current context's version and profile, and its window-system handle.
#include "GlContext.h"
#include "GlContextId.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdio>
#include <cstring>

namespace trellis {

GlContextInfo currentGlContext() {
    GlContextInfo info;
    const char* text = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!text)
        return info;
    info.current = true;
    const char* esPrefix = "OpenGL ES ";
    info.es = std::strncmp(text, esPrefix, std::strlen(esPrefix)) == 0;
    int major = 0, minor = 0;
    std::sscanf(info.es ? text + std::strlen(esPrefix) : text, "%d.%d", &major, &minor);
    info.version = major * 10 + minor % 10;
    if (info.es) {
        info.shaders = info.version >= 30;
        return info;
    }
    info.fixedFunction = true;
    if (info.version >= 30) {
        // A core profile, a forward-compatible context, or 3.1 without the compatibility
        // extension has none of the fixed-function pipeline.
        GLint flags = 0, mask = 0;
        glGetIntegerv(GL_CONTEXT_FLAGS, &flags);
        if (info.version >= 32)
            glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &mask);
        if ((mask & GL_CONTEXT_CORE_PROFILE_BIT) ||
            (flags & GL_CONTEXT_FLAG_FORWARD_COMPATIBLE_BIT))
            info.fixedFunction = false;
        else if (info.version == 31 && !hasGlExtension(info, "GL_ARB_compatibility"))
            info.fixedFunction = false;
    }
    info.shaders = info.version >= 33;
    return info;
}

bool hasGlExtension(const GlContextInfo& context, const char* extension) {
    if (!context.current)
        return false;
    // 3.0 and later list their extensions one by one (core profiles only that way).
    if (context.version >= 30) {
        GLint count = 0;
        glGetIntegerv(GL_NUM_EXTENSIONS, &count);
        for (GLint i = 0; i < count; ++i) {
            const char* name =
                reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, GLuint(i)));
            if (name && std::strcmp(name, extension) == 0)
                return true;
        }
        return false;
    }
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    const size_t length = std::strlen(extension);
    for (const char* at = all; at && (at = std::strstr(at, extension)); at += length)
        if ((at == all || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

std::string unusableContextReason(const GlContextInfo& context) {
    if (!context.current)
        return "no OpenGL context is current";
    if (context.fixedFunction || context.shaders)
        return "";
    char version[32];
    std::snprintf(version, sizeof version, "%d.%d", context.version / 10, context.version % 10);
    if (context.es)
        return std::string("an OpenGL ES ") + version +
               " context: trellis needs OpenGL ES 3.0 or later";
    return std::string("an OpenGL ") + version +
           " context without the fixed-function pipeline: trellis needs OpenGL 3.3 or a "
           "compatibility profile";
}

namespace {
bool keyHeld = false;
const void* heldKey = nullptr;
}  // namespace

const void* currentContextKey() {
    if (keyHeld)
        return heldKey;
    const GlContextId id = GlContextId::current();
    return id.egl ? id.egl : id.webgl ? id.webgl : id.glx;
}

HeldContextKey::HeldContextKey() : outermost(!keyHeld) {
    if (outermost) {
        heldKey = currentContextKey();
        keyHeld = true;
    }
}

HeldContextKey::~HeldContextKey() {
    if (outermost)
        keyHeld = false;
}

}  // namespace trellis
