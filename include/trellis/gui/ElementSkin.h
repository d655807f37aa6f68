// Skin lookups for one element: its own styles from its dialogue file, its name's section, its
// skin class's, then "global".
#pragma once

#include "trellis/style/SkinStore.h"

namespace trellis {

class GuiElement;

// The sections that element's lookups consult, in that order.
SkinSections skinSectionsOf(const SkinStore& store, const GuiElement& element);

// The value of attribute for element: its own styles, its name section, its skin class, then
// "global".
// Null when none holds it. The text stays valid until the store next changes.
const char* findSkinAttribute(SkinStore& store, const GuiElement& element, const char* attribute);

}  // namespace trellis
