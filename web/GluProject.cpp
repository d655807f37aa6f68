// GLU's gluProject, which emcc does not provide: the library's clips (the shader renderer's
// among them) map rectangles to window pixels with it. Plain arithmetic, as GLU documents it.
#include <GL/glu.h>

namespace {

// out = matrix (column-major) times in.
void transform(const GLdouble* matrix, const GLdouble* in, GLdouble* out) {
    for (int row = 0; row < 4; ++row)
        out[row] = in[0] * matrix[row] + in[1] * matrix[4 + row] + in[2] * matrix[8 + row] +
                   in[3] * matrix[12 + row];
}

}  // namespace

extern "C" GLint gluProject(GLdouble objX, GLdouble objY, GLdouble objZ, const GLdouble* model,
                            const GLdouble* proj, const GLint* view, GLdouble* winX, GLdouble* winY,
                            GLdouble* winZ) {
    const GLdouble object[4] = {objX, objY, objZ, 1.0};
    GLdouble eye[4], clip[4];
    transform(model, object, eye);
    transform(proj, eye, clip);
    if (clip[3] == 0.0)
        return GL_FALSE;
    // Normalised device coordinates, -1 to 1, mapped to the viewport (and depth to 0 to 1).
    *winX = view[0] + view[2] * (clip[0] / clip[3] * 0.5 + 0.5);
    *winY = view[1] + view[3] * (clip[1] / clip[3] * 0.5 + 0.5);
    *winZ = clip[2] / clip[3] * 0.5 + 0.5;
    return GL_TRUE;
}
