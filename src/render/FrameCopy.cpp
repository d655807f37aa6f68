// The frame copy: an RGBA8 texture and blits to and from it.
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
        framebuffer = texture = 0;
        valid = false;
    }
    return valid;
}

bool FrameCopy::ours() const {
    if (!glIsFramebuffer(framebuffer) || !glIsTexture(texture))
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
    return type == GL_TEXTURE && GLuint(attached) == texture && complete;
}

void FrameCopy::save(const int (&viewport)[4]) {
    GLint bound = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
    if (framebuffer && !ours())
        framebuffer = texture = 0;
    if (!framebuffer || width < viewport[2] || height < viewport[3]) {
        if (!framebuffer) {
            glGenFramebuffers(1, &framebuffer);
            glGenTextures(1, &texture);
        }
        width = viewport[2];
        height = viewport[3];
        GLint previous = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
        glBindTexture(GL_TEXTURE_2D, texture);
        // Given as BGRA bytes, the texture takes the layout window framebuffers commonly have,
        // and a blit between equal layouts is a plain copy (much cheaper on software GL).
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                     nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glBindTexture(GL_TEXTURE_2D, GLuint(previous));
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
        glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture,
                               0);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(bound));
    }
    target = bound;
    for (int i = 0; i < 4; ++i)
        area[i] = viewport[i];
    valid = true;
    blit(true, {area[0], area[1], area[0] + area[2], area[1] + area[3]});
}

void FrameCopy::release() {
    if (framebuffer && ours()) {
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteTextures(1, &texture);
    }
    framebuffer = texture = 0;
    valid = false;
}

void FrameCopy::saveRegion(const PixelBox& box) {
    blit(true, box);
}

void FrameCopy::restoreRegion(const PixelBox& box) {
    blit(false, box);
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
