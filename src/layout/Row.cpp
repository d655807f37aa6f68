// Row: a linear container along x.
#include "trellis/layout/Row.h"

namespace trellis {

Row::Row(const char* name, GuiElement* parent) : LinearContainer(name, parent, "row", true) {}

}  // namespace trellis
