// The root element.
#include "gui/GuiRoot.h"

GuiRoot::GuiRoot() : GuiElement("GuiRoot", nullptr, 0, 0, 10, 2) {}
