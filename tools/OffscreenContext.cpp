// The surfaceless EGL context and its framebuffer object.
#include "OffscreenContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdio>
#include <cstring>

namespace trellis {

namespace {

// Whether the space-separated extension list names extension exactly.
bool hasExtension(const char* list, const char* extension) {
    const size_t length = std::strlen(extension);
    for (const char* at = list; at && (at = std::strstr(at, extension)); at += length)
        if ((at == list || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0'))
            return true;
    return false;
}

// Gives error the reason, with EGL's last error code when it has one; false.
bool failure(std::string& error, const std::string& why) {
    char code[32] = "";
    const EGLint last = eglGetError();
    if (last != EGL_SUCCESS)
        std::snprintf(code, sizeof code, " (EGL error 0x%04x)", unsigned(last));
    error = why + code;
    return false;
}

}  // namespace

bool OffscreenContext::open(int w, int h, std::string& error) {
    width = w;
    height = h;
    const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!hasExtension(clientExtensions, "EGL_MESA_platform_surfaceless"))
        return failure(error, "EGL has no surfaceless platform (Mesa's EGL is needed)");
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay)
        return failure(error, "EGL cannot open a platform display");
    EGLDisplay eglDisplay =
        getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (eglDisplay == EGL_NO_DISPLAY || !eglInitialize(eglDisplay, nullptr, nullptr))
        return failure(error, "EGL cannot start the surfaceless display");
    display = eglDisplay;
    if (!eglBindAPI(EGL_OPENGL_API))
        return failure(error, "EGL offers no desktop OpenGL");
    const EGLint attributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    if (!eglChooseConfig(eglDisplay, attributes, &config, 1, &configs) || configs < 1)
        return failure(error, "EGL has no configuration for desktop OpenGL");
    EGLContext eglContext = eglCreateContext(eglDisplay, config, EGL_NO_CONTEXT, nullptr);
    if (eglContext == EGL_NO_CONTEXT)
        return failure(error, "EGL cannot create an OpenGL context");
    context = eglContext;
    if (!eglMakeCurrent(eglDisplay, EGL_NO_SURFACE, EGL_NO_SURFACE, eglContext))
        return failure(error, "EGL cannot make the context current without a surface");

    // The demo window's back buffer: 8 bits per colour channel and alpha, a 24-bit depth buffer.
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    glGenRenderbuffers(1, &depth);
    glBindRenderbuffer(GL_RENDERBUFFER, depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        error = "the OpenGL driver cannot draw into a " + std::to_string(width) + " x " +
                std::to_string(height) + " framebuffer";
        return false;
    }
    glViewport(0, 0, width, height);
    // Mesa keeps a window's buffer with its top row first and rasterises in that orientation:
    // edges that fall exactly on pixel boundaries (lines at half pixels, glyph quads) round the
    // other way in a framebuffer object of the usual bottom-up orientation. The upper-left clip
    // origin gives this one the window's orientation, and so its pixels; rows read back come
    // from the top.
    while (glGetError() != GL_NO_ERROR) {
    }
    glClipControl(GL_UPPER_LEFT, GL_NEGATIVE_ONE_TO_ONE);
    if (glGetError() != GL_NO_ERROR) {
        error = "the OpenGL driver cannot move the clip origin (OpenGL 4.5 or ARB_clip_control)";
        return false;
    }
    return true;
}

PngImage OffscreenContext::readPixels() const {
    PngImage image{width, height, std::vector<uint8_t>(size_t(width) * height * 4)};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    // Blending leaves partial alpha where text was drawn; a window shows no alpha.
    for (size_t i = 3; i < image.rgba.size(); i += 4)
        image.rgba[i] = 255;
    return image;
}

OffscreenContext::~OffscreenContext() {
    if (!display)
        return;
    if (context) {
        if (framebuffer) {
            glDeleteFramebuffers(1, &framebuffer);
            glDeleteRenderbuffers(1, &colour);
            glDeleteRenderbuffers(1, &depth);
        }
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display, context);
    }
    eglTerminate(display);
}

}  // namespace trellis
