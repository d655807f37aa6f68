// The root element, and the pointer to the one root.
#include "trellis/gui/GuiRoot.h"

#include "state/KeptVariable.h"

#include <typeinfo>

namespace trellis {

GuiRoot::GuiRoot() : GuiElement("GuiRoot", nullptr, 0, 0, 10, 2) {}

bool GuiRoot::record(DrawRecorder&) {
    return typeid(*this) == typeid(GuiRoot);
}

GuiRoot::~GuiRoot() {
    if (rootElement == this)
        rootElement = nullptr;
}

GuiElement* rootElement = nullptr;

namespace {
const bool perInterface = keepPerInterface(rootElement);
}  // namespace

}  // namespace trellis
