// The handlers that hear of each element as it is destroyed.
#include "gui/element/ElementGoing.h"

#include <vector>

namespace trellis {

namespace {

std::vector<ElementGoingHandler>& handlers() {
    // Added to before main and used until the last element goes, during the program's exit.
    static auto* all = new std::vector<ElementGoingHandler>();
    return *all;
}

}  // namespace

void hearElementsGoing(ElementGoingHandler handler) {
    handlers().push_back(handler);
}

void tellElementGoing(GuiElement* element) {
    for (ElementGoingHandler handler : handlers())
        handler(element);
}

}  // namespace trellis
