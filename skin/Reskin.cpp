// The re-skin walk.
#include "skin/Reskin.h"

#include "gui/GuiElement.h"

void reskinTree(GuiElement* element, SkinStore& store) {
    if (!element)
        return;
    element->applySkin(store);
    for (GuiElement* child : element->children)
        reskinTree(child, store);
}
