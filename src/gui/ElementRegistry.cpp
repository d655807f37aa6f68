// Registering and unregistering elements by name.
#include "trellis/gui/ElementRegistry.h"

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/GuiRoot.h"

namespace trellis {

bool registerElement(GuiElement* element) {
    if (!elementRegistry.emplace(element->name, element).second)
        return false;
    if (!element->parent && rootElement)
        rootElement->addChild(element);
    return true;
}

void unregisterElement(GuiElement* element) {
    // A same-named duplicate never held the entry; erasing by name alone would drop the
    // registration of the live element that does.
    auto found = elementRegistry.find(element->name);
    if (found != elementRegistry.end() && found->second == element)
        elementRegistry.erase(found);
}

}  // namespace trellis
