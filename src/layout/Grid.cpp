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

// The size of child in a cell of the given extent along one axis, before alignment.
float sizeInCell(const GuiElement& child, bool horizontal, float cell, bool stretch) {
    const Length& length = horizontal ? child.widthLength : child.heightLength;
    switch (length.kind()) {
    case Length::Kind::Percent:
        return length.of(cell);
    case Length::Kind::Fill:
        return cell;
    case Length::Kind::Auto:
    case Length::Kind::Units:
        break;
    }
    return stretch ? cell : sizeContribution(child, horizontal);
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

float Grid::cellWidth() const {
    if (widthLength.kind() != Length::Kind::Auto)
        return std::max(0.0f, (width - 2 * padding - spacing * float(columns - 1)) / columns);
    float widest = 0;
    for (const GuiElement* child : shownChildren())
        widest = std::max(widest, sizeContribution(*child, true));
    return widest;
}

std::vector<float> Grid::rowHeights() const {
    const std::vector<GuiElement*> shown = shownChildren();
    std::vector<float> heights((shown.size() + columns - 1) / columns, 0.0f);
    for (size_t i = 0; i < shown.size(); ++i)
        heights[i / columns] = std::max(heights[i / columns], sizeContribution(*shown[i], false));
    return heights;
}

void Grid::arrange() {
    const std::vector<GuiElement*> shown = shownChildren();
    const std::vector<float> heights = rowHeights();
    const float cell = cellWidth();
    const bool stretch = align == ContainerAlign::Stretch;
    float top = padding;
    for (size_t i = 0; i < shown.size(); ++i) {
        GuiElement& child = *shown[i];
        const size_t row = i / columns, column = i % columns;
        if (i > 0 && column == 0)
            top += heights[row - 1] + spacing;
        const float left = padding + float(column) * (cell + spacing);
        const float w = std::max(0.0f, sizeInCell(child, true, cell, stretch));
        const float h = std::max(0.0f, sizeInCell(child, false, heights[row], stretch));
        place(child, alignedStart(left, cell, w), alignedStart(top, heights[row], h), w, h);
    }
}

void Grid::measure(float& measuredWidth, float& measuredHeight) const {
    const std::vector<float> heights = rowHeights();
    float rows = heights.empty() ? 0 : spacing * float(heights.size() - 1);
    for (float height : heights)
        rows += height;
    measuredWidth = float(columns) * cellWidth() + spacing * float(columns - 1) + 2 * padding;
    measuredHeight = rows + 2 * padding;
}

}  // namespace trellis
