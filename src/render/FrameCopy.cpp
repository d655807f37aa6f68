// The frame copy: an RGBA8 renderbuffer and blits to and from it.
#include "FrameCopy.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdlib>

namespace trellis {

bool FrameCopy::possible() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version || std::atoi(version) < 3)
        return false;
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &samples);
    return samples == 0 && !glIsEnabled(GL_SCISSOR_TEST);
}

bool FrameCopy::holds(const int (&viewport)[4]) {
    GLint bound = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
    if (!valid || bound != target || viewport[0] != area[0] || viewport[1] != area[1] ||
        viewport[2] != area[2] || viewport[3] != area[3])
        return false;
    if (!ours()) {
        // Another context is current now: its names are not ours.
        framebuffer = renderbuffer = 0;
        valid = false;
    }
    return valid;
}

bool FrameCopy::ours() const {
    if (!glIsFramebuffer(framebuffer) || !glIsRenderbuffer(renderbuffer))
        return false;
    GLint draw = 0, attached = 0, type = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_TYPE, &type);
    glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0,
                                          GL_FRAMEBUFFER_ATTACHMENT_OBJECT_NAME, &attached);
    const bool complete = glCheckFramebufferStatus(GL_DRAW_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(draw));
    return type == GL_RENDERBUFFER && GLuint(attached) == renderbuffer && complete;
}

void FrameCopy::save(const int (&viewport)[4]) {
    GLint bound = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
    if (framebuffer && !ours())
        framebuffer = renderbuffer = 0;
    if (!framebuffer || width < viewport[2] || height < viewport[3]) {
        if (!framebuffer) {
            glGenFramebuffers(1, &framebuffer);
            glGenRenderbuffers(1, &renderbuffer);
        }
        width = viewport[2];
        height = viewport[3];
        GLint previous = 0;
        glGetIntegerv(GL_RENDERBUFFER_BINDING, &previous);
        glBindRenderbuffer(GL_RENDERBUFFER, renderbuffer);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, GLuint(previous));
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
        glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                  renderbuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(bound));
    }
    target = bound;
    for (int i = 0; i < 4; ++i)
        area[i] = viewport[i];
    valid = true;
    blit(true, {area[0], area[1], area[0] + area[2], area[1] + area[3]});
}

void FrameCopy::saveRegion(const PixelBox& box) {
    blit(true, box);
}

void FrameCopy::restore() {
    blit(false, {area[0], area[1], area[0] + area[2], area[1] + area[3]});
}

void FrameCopy::blit(bool toCopy, const PixelBox& box) {
    // The copy holds the viewport at its origin.
    GLint read = 0, draw = 0;
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &read);
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &draw);
    const int cx0 = box.x0 - area[0], cy0 = box.y0 - area[1];
    const int cx1 = box.x1 - area[0], cy1 = box.y1 - area[1];
    if (toCopy) {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(target));
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
        glBlitFramebuffer(box.x0, box.y0, box.x1, box.y1, cx0, cy0, cx1, cy1, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    } else {
        glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(target));
        glBlitFramebuffer(cx0, cy0, cx1, cy1, box.x0, box.y0, box.x1, box.y1, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    }
    glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(read));
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(draw));
}

}  // namespace trellis
