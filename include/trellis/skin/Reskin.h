// The re-skin walk over a tree.
#pragma once

#include "trellis/style/SkinStore.h"

namespace trellis {

class GuiElement;

// Applies store to element with its own applySkin, then to each child's subtree, newest first.
void reskinTree(GuiElement* element, SkinStore& store);

}  // namespace trellis
