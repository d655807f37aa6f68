// Grid: children in rows of a fixed number of equal cells, the dialogue file's <grid>.
#pragma once

#include "trellis/layout/Container.h"

#include <vector>

namespace trellis {

// Children fill rows of columns cells, left to right, top to bottom, spacing apart inside the
// padding. The cells share the width inside the padding equally (when the grid is sized to its
// content, each is as wide as the widest child); each row is as high as its highest child. A
// child takes its own size in its cell, placed by align; "fill", a percentage (of the cell) and a
// stretching align size it to the cell. Skinned as "grid".
class Grid : public Container {
public:
    Grid(const char* name, GuiElement* parent);  // at the origin, one column, sized to its children

    void loadAttributes(const AttributeSource& element) override;  // adds columns
    void arrange() override;
    void measure(float& width, float& height) const override;

    int columns = 1;  // cells in a row, at least 1

private:
    // How the visible children fall into cells: the cells' width (the share of the room, or the
    // widest child when sized to content) and each row's height (its highest child's), from
    // what each child asks for (sizes: width, height pairs).
    float cellWidth(const std::vector<float>& sizes) const;
    std::vector<float> rowHeights(const std::vector<float>& sizes) const;
    // What each visible child asks for: its width and height, in turn.
    std::vector<float> childSizes() const;
};

}  // namespace trellis
