// Drawing recorded primitives at once.
#include "trellis/gui/ImmediateRecorder.h"

#include "trellis/font/TextureFont.h"

#include <GL/gl.h>

namespace trellis {

namespace {

// The vertices between glBegin(mode) and glEnd, the colour set only where it changes.
void emit(unsigned int mode, const RecordedVertex* vertices, int count, bool textured) {
    glBegin(mode);
    for (int i = 0; i < count; ++i) {
        if (i == 0 || vertices[i].color != vertices[i - 1].color)
            glColor4ubv(vertices[i].color.rgba);
        if (textured)
            glTexCoord2f(vertices[i].s, vertices[i].t);
        glVertex2f(vertices[i].x, vertices[i].y);
    }
    glEnd();
}

}  // namespace

ImmediateRecorder::~ImmediateRecorder() {
    while (!clips.empty())
        clips.pop_back();
}

void ImmediateRecorder::quads(const RecordedVertex* vertices, int count, bool textured) {
    if (textured)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    emit(GL_QUADS, vertices, count, textured);
}

void ImmediateRecorder::lines(const RecordedVertex* vertices, int count) {
    glDisable(GL_TEXTURE_2D);
    emit(GL_LINES, vertices, count, false);
}

void ImmediateRecorder::text(const char* text, float x, float y, float size, const Color& color) {
    glColor4ubv(color.rgba);
    drawText(text, x, y, size, false);
}

void ImmediateRecorder::pictureQuads(const RecordedVertex* vertices, int count,
                                     unsigned int texture, bool blended) {
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    if (blended) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    emit(GL_QUADS, vertices, count, true);
    if (blended)
        glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
}

void ImmediateRecorder::pushClip(float x, float y, float width, float height) {
    clips.push_back(std::make_unique<ScissorClip>(x, y, width, height));
}

void ImmediateRecorder::popClip() {
    // Each clip puts back the one before it: the innermost goes first.
    if (!clips.empty())
        clips.pop_back();
}

}  // namespace trellis
