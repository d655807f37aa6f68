// The re-skin walk over a tree.
#pragma once

#include "trellis/style/SkinStore.h"

namespace trellis {

class GuiElement;

// Applies store to element with its own applySkin, then to each child's subtree, newest first;
// then lays the subtree out again (LayoutPass.h), as sizes to content may have changed.
void reskinTree(GuiElement* element, SkinStore& store);

}  // namespace trellis
