// Column: a linear container along y.
#include "trellis/layout/Column.h"

namespace trellis {

Column::Column(const char* name, GuiElement* parent)
    : LinearContainer(name, parent, "column", false) {}

}  // namespace trellis
