// The root element, and the pointer to the one root.
#include "trellis/gui/GuiRoot.h"

namespace trellis {

GuiRoot::GuiRoot() : GuiElement("GuiRoot", nullptr, 0, 0, 10, 2) {}

GuiRoot::~GuiRoot() {
    if (rootElement == this)
        rootElement = nullptr;
}

GuiElement* rootElement = nullptr;

}  // namespace trellis
