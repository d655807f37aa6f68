// DefaultUnpack: the default pixel-unpack state for the time of a texture upload, and the
// context's own put back after, whatever the host left set.
#pragma once

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace trellis {

// Sets the default unpack state on construction and puts the saved one back on destruction.
class DefaultUnpack {
public:
    // unpackBuffers: the context has pixel-unpack buffers (OpenGL 2.1, OpenGL ES 3).
    explicit DefaultUnpack(bool unpackBuffers);
    ~DefaultUnpack();
    DefaultUnpack(const DefaultUnpack&) = delete;
    DefaultUnpack& operator=(const DefaultUnpack&) = delete;

private:
    static constexpr int kCount = 5;
    GLint saved[kCount] = {};
    GLint buffer = 0;
    bool buffers;
};

}  // namespace trellis
