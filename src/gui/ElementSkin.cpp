// Skin lookups for one element.
#include "trellis/gui/ElementSkin.h"

#include "gui/OwnStyles.h"
#include "trellis/gui/GuiElement.h"

namespace trellis {

SkinSections skinSectionsOf(const SkinStore& store, const GuiElement& element) {
    return SkinSections(store, element.name, element.skinClass, ownStylesOf(element));
}

const char* findSkinAttribute(SkinStore& store, const GuiElement& element, const char* attribute) {
    return skinSectionsOf(store, element).find(attribute);
}

}  // namespace trellis
