// Blending and depth writes for a primitive's state, the same in every pipeline that draws
// recorded primitives.
#pragma once

#include "DrawList.h"

namespace trellis {

// Blends a blended state's primitives in painter's order among themselves (they test depth but
// write none); draws the others opaque, writing depth.
void applyBlending(DrawState state);

}  // namespace trellis
