// The fixed-function OpenGL calls (and GLU's mipmap builder) of the library's immediate and
// batched renderers, which WebGL lacks and emcc does not provide. In a WebGL 2 context the
// library finds no fixed-function pipeline and draws only through the shader renderer, so none
// of these is ever reached: each stops the program loudly should one be.
#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void unavailable(const char* name) {
    std::fprintf(stderr, "trellis-web: %s is fixed-function OpenGL, which WebGL lacks\n", name);
    std::abort();
}

}  // namespace

extern "C" {

void glAlphaFunc(GLenum, GLclampf) {
    unavailable("glAlphaFunc");
}
void glClientActiveTexture(GLenum) {
    unavailable("glClientActiveTexture");
}
void glColor3f(GLfloat, GLfloat, GLfloat) {
    unavailable("glColor3f");
}
void glColor4fv(const GLfloat*) {
    unavailable("glColor4fv");
}
void glColor4ubv(const GLubyte*) {
    unavailable("glColor4ubv");
}
void glColorPointer(GLint, GLenum, GLsizei, const GLvoid*) {
    unavailable("glColorPointer");
}
void glDisableClientState(GLenum) {
    unavailable("glDisableClientState");
}
void glEnableClientState(GLenum) {
    unavailable("glEnableClientState");
}
void glEnd() {
    unavailable("glEnd");
}
void glGetDoublev(GLenum, GLdouble*) {
    unavailable("glGetDoublev");
}
void glGetTexEnviv(GLenum, GLenum, GLint*) {
    unavailable("glGetTexEnviv");
}
void glLoadMatrixf(const GLfloat*) {
    unavailable("glLoadMatrixf");
}
void glOrtho(GLdouble, GLdouble, GLdouble, GLdouble, GLdouble, GLdouble) {
    unavailable("glOrtho");
}
void glPolygonMode(GLenum, GLenum) {
    unavailable("glPolygonMode");
}
void glPopAttrib() {
    unavailable("glPopAttrib");
}
void glPopClientAttrib() {
    unavailable("glPopClientAttrib");
}
void glPopMatrix() {
    unavailable("glPopMatrix");
}
void glPushAttrib(GLbitfield) {
    unavailable("glPushAttrib");
}
void glPushClientAttrib(GLbitfield) {
    unavailable("glPushClientAttrib");
}
void glPushMatrix() {
    unavailable("glPushMatrix");
}
void glShadeModel(GLenum) {
    unavailable("glShadeModel");
}
void glTexCoord2f(GLfloat, GLfloat) {
    unavailable("glTexCoord2f");
}
void glTexCoord2fv(const GLfloat*) {
    unavailable("glTexCoord2fv");
}
void glTexCoordPointer(GLint, GLenum, GLsizei, const GLvoid*) {
    unavailable("glTexCoordPointer");
}
void glTexEnvf(GLenum, GLenum, GLfloat) {
    unavailable("glTexEnvf");
}
void glTexEnvi(GLenum, GLenum, GLint) {
    unavailable("glTexEnvi");
}
void glTranslatef(GLfloat, GLfloat, GLfloat) {
    unavailable("glTranslatef");
}
void glVertex2f(GLfloat, GLfloat) {
    unavailable("glVertex2f");
}
void glVertex3f(GLfloat, GLfloat, GLfloat) {
    unavailable("glVertex3f");
}

GLint gluBuild2DMipmaps(GLenum, GLint, GLsizei, GLsizei, GLenum, GLenum, const void*) {
    unavailable("gluBuild2DMipmaps");
}

}  // extern "C"
