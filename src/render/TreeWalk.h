// TreeWalk: the visible children of an element in drawing order, for the walks a frame makes
// over the whole tree, with the memory of the next ones asked for ahead of time.
#pragma once

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/Label.h"

#include <cstddef>

namespace trellis {

// Calls visit(child) for each visible child of element, oldest first (drawing order). Elements
// lie far apart in memory and a walk reads each in several places: the lines of the element a
// few siblings on are fetched while this one is visited.
template <typename Visit> void visitVisibleChildren(const GuiElement& element, Visit&& visit) {
    constexpr size_t kAhead = 4, kLine = 64;
    // The lines the walks read: GuiElement's first fields (its place, look and flags), the text
    // classes' fields after GuiElement's, and a label's last one (its wrap).
    constexpr size_t kLines[] = {0,
                                 kLine,
                                 2 * kLine,
                                 3 * kLine,
                                 sizeof(GuiElement),
                                 sizeof(GuiElement) + kLine,
                                 sizeof(Label) - 1};
    const auto& children = element.children.oldestFirst();
    const size_t count = children.size();
    for (size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) {
            const char* ahead = reinterpret_cast<const char*>(children[i + kAhead]);
            for (size_t offset : kLines)
                __builtin_prefetch(ahead + offset);
        }
        if (children[i]->visible)
            visit(children[i]);
    }
}

}  // namespace trellis
