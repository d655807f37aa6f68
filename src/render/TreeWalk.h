// TreeWalk: the visible children of an element in drawing order, for the walks a frame makes
// over the whole tree, with the memory of the next ones asked for ahead of time.
#pragma once

#include "trellis/gui/GuiElement.h"

#include <cstddef>

namespace trellis {

// Calls visit(child) for each visible child of element, oldest first (drawing order). Elements
// lie far apart in memory and a walk reads each in several places: the lines of the element a
// few siblings on are fetched while this one is visited.
template <typename Visit> void visitVisibleChildren(const GuiElement& element, Visit&& visit) {
    constexpr size_t kAhead = 4, kLine = 64;
    // Past GuiElement's own fields lie those of the text classes, which the walks read too.
    constexpr size_t kReadBytes = sizeof(GuiElement) + 2 * kLine;
    const auto& children = element.children.oldestFirst();
    const size_t count = children.size();
    for (size_t i = 0; i < count; ++i) {
        if (i + kAhead < count) {
            const char* ahead = reinterpret_cast<const char*>(children[i + kAhead]);
            for (size_t offset = 0; offset < kReadBytes; offset += kLine)
                __builtin_prefetch(ahead + offset);
        }
        if (children[i]->visible)
            visit(children[i]);
    }
}

}  // namespace trellis
