// The re-skin walk.
#include "trellis/skin/Reskin.h"

#include "trellis/gui/GuiElement.h"

namespace trellis {

void reskinTree(GuiElement* element, SkinStore& store) {
    if (!element)
        return;
    element->applySkin(store);
    for (GuiElement* child : element->children)
        reskinTree(child, store);
}

}  // namespace trellis
