// Column: children placed top to bottom, the dialogue file's <column>.
#pragma once

#include "trellis/layout/LinearContainer.h"

namespace trellis {

// Children placed top to bottom; skinned as "column".
class Column : public LinearContainer {
public:
    Column(const char* name, GuiElement* parent);  // at the origin, sized to its children
};

}  // namespace trellis
