// The re-skin walk.
#include "trellis/skin/Reskin.h"

#include "trellis/gui/GuiElement.h"
#include "trellis/layout/LayoutPass.h"

namespace trellis {

namespace {

void applyToSubtree(GuiElement* element, SkinStore& store) {
    element->applySkin(store);
    for (GuiElement* child : element->children)
        applyToSubtree(child, store);
}

}  // namespace

void reskinTree(GuiElement* element, SkinStore& store) {
    if (!element)
        return;
    applyToSubtree(element, store);
    // New font sizes and paddings change what content asks for.
    layOut(element);
}

}  // namespace trellis
