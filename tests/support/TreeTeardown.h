// Test support: walking a whole element tree, and deleting one children first, for tests that
// build many elements and must leave no routing reference or registry entry behind.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <vector>

namespace trellis {

// Every element of the tree under element, parents before children.
inline void collectTree(GuiElement* element, std::vector<GuiElement*>& out) {
    out.push_back(element);
    for (GuiElement* child : element->children)
        collectTree(child, out);
}

// Deletes element and its subtree, children first, so that no destructor meets a freed child.
inline void destroyTree(GuiElement* element) {
    const std::vector<GuiElement*> children(element->children.begin(), element->children.end());
    for (GuiElement* child : children)
        destroyTree(child);
    delete element;
}

}  // namespace trellis
