// DefaultUnpack: saving, defaulting and restoring the unpack state around an upload.
#include "DefaultUnpack.h"

namespace trellis {

namespace {
constexpr GLenum kNames[] = {GL_UNPACK_ALIGNMENT, GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS,
                             GL_UNPACK_SKIP_PIXELS, GL_UNPACK_IMAGE_HEIGHT};
constexpr GLint kDefaults[] = {1, 0, 0, 0, 0};
}  // namespace

DefaultUnpack::DefaultUnpack(bool unpackBuffers) : buffers(unpackBuffers) {
    for (int i = 0; i < kCount; ++i) {
        glGetIntegerv(kNames[i], &saved[i]);
        glPixelStorei(kNames[i], kDefaults[i]);
    }
    if (buffers) {
        glGetIntegerv(GL_PIXEL_UNPACK_BUFFER_BINDING, &buffer);
        glBindBuffer(GL_PIXEL_UNPACK_BUFFER, 0);
    }
}

DefaultUnpack::~DefaultUnpack() {
    for (int i = 0; i < kCount; ++i)
        glPixelStorei(kNames[i], saved[i]);
    if (buffers)
        glBindBuffer(GL_PIXEL_UNPACK_BUFFER, GLuint(buffer));
}

}  // namespace trellis
