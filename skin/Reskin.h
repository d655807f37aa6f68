// The re-skin walk over a tree.
#pragma once

#include "skin/SkinStore.h"

class GuiElement;

// Applies store to element with its own applySkin, then to each child's subtree, newest first.
void reskinTree(GuiElement* element, SkinStore& store);
