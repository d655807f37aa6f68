// The element name registry: the oldest live element of a name holds it.
#pragma once

#include <string>
#include <unordered_map>

namespace trellis {

class GuiElement;

// Name to element; the registry owns no element.
using ElementRegistry = std::unordered_map<std::string, GuiElement*>;

extern ElementRegistry elementRegistry;  // the current interface's registry (Interface.h)

// Enters element under its name if the name is free (otherwise it waits for the name), and
// attaches a parentless element to the root either way. Returns whether it was entered.
bool registerElement(GuiElement* element);

// Lets element's name go: when element holds it, to the oldest live element that waits for it
// (or nobody); a waiting element just stops waiting.
void unregisterElement(GuiElement* element);

}  // namespace trellis
