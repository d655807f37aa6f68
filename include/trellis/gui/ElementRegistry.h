// The element name registry: the first element built under a name holds it.
#pragma once

#include <string>
#include <unordered_map>

namespace trellis {

class GuiElement;

// Name to element; the registry owns no element.
using ElementRegistry = std::unordered_map<std::string, GuiElement*>;

extern ElementRegistry elementRegistry;  // the one registry; constructed before main

// Enters element under its name if the name is free, and attaches a parentless element to the
// root. Returns whether it was entered.
bool registerElement(GuiElement* element);

// Erases the entry under element's name, if that entry is element itself.
void unregisterElement(GuiElement* element);

}  // namespace trellis
