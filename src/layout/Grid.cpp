// Grids: children in rows of equal cells.
#include "trellis/layout/Grid.h"

#include "diagnostics/DiagnosticText.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/layout/LayoutPass.h"

#include <algorithm>
#include <cmath>

namespace trellis {

namespace {

constexpr int kMaxColumns = 1000;  // more cells in a row than any screen shows

// The size of child in a cell of the given extent along one axis, before alignment, from what
// it asks for there.
float sizeInCell(const Length& length, float asked, float cell, bool stretch) {
    switch (length.kind()) {
    case Length::Kind::Percent:
        return length.of(cell);
    case Length::Kind::Fill:
        return cell;
    case Length::Kind::Auto:
    case Length::Kind::Units:
        break;
    }
    return stretch ? cell : asked;
}

}  // namespace

Grid::Grid(const char* name, GuiElement* parent) : Container(name, parent, "grid") {}

void Grid::loadAttributes(const AttributeSource& element) {
    Container::loadAttributes(element);
    float given = 0;
    if (!readNumberAttribute(element, "columns", given))
        return;
    if (given >= 1 && given <= kMaxColumns && given == std::floor(given))
        columns = int(given);
    else
        element.reportValue("columns", quoted(element.find("columns")) +
                                           " is not a whole number from 1 to 1000; ignored");
}

std::vector<float> Grid::childSizes() const {
    std::vector<float> sizes;
    for (const GuiElement* child : shownChildren()) {
        float width = 0, height = 0;
        sizeContributions(*child, width, height);
        sizes.push_back(width);
        sizes.push_back(height);
    }
    return sizes;
}

float Grid::cellWidth(const std::vector<float>& sizes) const {
    if (widthLength.kind() != Length::Kind::Auto)
        return std::max(0.0f, (width - 2 * padding - spacing * float(columns - 1)) / columns);
    float widest = 0;
    for (size_t i = 0; i < sizes.size(); i += 2)
        widest = std::max(widest, sizes[i]);
    return widest;
}

std::vector<float> Grid::rowHeights(const std::vector<float>& sizes) const {
    const size_t count = sizes.size() / 2;
    std::vector<float> heights((count + columns - 1) / columns, 0.0f);
    for (size_t i = 0; i < count; ++i)
        heights[i / columns] = std::max(heights[i / columns], sizes[2 * i + 1]);
    return heights;
}

void Grid::arrange() {
    const std::vector<GuiElement*> shown = shownChildren();
    const std::vector<float> sizes = childSizes();
    const std::vector<float> heights = rowHeights(sizes);
    const float cell = cellWidth(sizes);
    const bool stretch = align == ContainerAlign::Stretch;
    float top = padding;
    for (size_t i = 0; i < shown.size(); ++i) {
        GuiElement& child = *shown[i];
        const size_t row = i / columns, column = i % columns;
        if (i > 0 && column == 0)
            top += heights[row - 1] + spacing;
        const float left = padding + float(column) * (cell + spacing);
        const float w = std::max(0.0f, sizeInCell(child.widthLength, sizes[2 * i], cell, stretch));
        const float h =
            std::max(0.0f, sizeInCell(child.heightLength, sizes[2 * i + 1], heights[row], stretch));
        place(child, alignedStart(left, cell, w), alignedStart(top, heights[row], h), w, h);
    }
}

void Grid::measure(float& measuredWidth, float& measuredHeight) const {
    const std::vector<float> sizes = childSizes();
    const std::vector<float> heights = rowHeights(sizes);
    float rows = heights.empty() ? 0 : spacing * float(heights.size() - 1);
    for (float height : heights)
        rows += height;
    measuredWidth = float(columns) * cellWidth(sizes) + spacing * float(columns - 1) + 2 * padding;
    measuredHeight = rows + 2 * padding;
}

}  // namespace trellis
