// Row: children placed left to right, the dialogue file's <row>.
#pragma once

#include "trellis/layout/LinearContainer.h"

namespace trellis {

// Children placed left to right; skinned as "row".
class Row : public LinearContainer {
public:
    Row(const char* name, GuiElement* parent);  // at the origin, sized to its children
};

}  // namespace trellis
