// Removing children from a child list.
#include "trellis/gui/ChildList.h"

#include <algorithm>

namespace trellis {

void ChildList::removeAll(GuiElement* child) {
    items.erase(std::remove(items.begin(), items.end(), child), items.end());
}

}  // namespace trellis
