// The renderer's GL objects, released with the interface that made them.
#pragma once

namespace trellis {

// Deletes the GL objects the renderer made in the current context (the shader renderer's
// programs and buffers, the saved frame's copy), for an interface going away; those of other
// contexts are left to them.
void releaseRendererObjects();

}  // namespace trellis
