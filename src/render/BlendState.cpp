// Blending and depth writes for a primitive's state.
#include "BlendState.h"

#include <GL/gl.h>

namespace trellis {

void applyBlending(DrawState state) {
    if (isBlended(state)) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDepthMask(GL_FALSE);
    } else {
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
    }
}

}  // namespace trellis
