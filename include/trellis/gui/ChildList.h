// ChildList: an element's children, most recently attached first.
#pragma once

#include <cstddef>
#include <vector>

namespace trellis {

class GuiElement;

// Children kept oldest-first in a vector, so attaching (at the front of the list) is O(1);
// iteration runs newest first, as the pointer search wants.
class ChildList {
public:
    using const_iterator = std::vector<GuiElement*>::const_reverse_iterator;

    const_iterator begin() const { return items.rbegin(); }                // newest child
    const_iterator end() const { return items.rend(); }                    // past the oldest child
    const std::vector<GuiElement*>& oldestFirst() const { return items; }  // drawing order

    GuiElement* front() const { return items.back(); }  // the newest child; list must not be empty
    bool empty() const { return items.empty(); }        // no children
    size_t size() const { return items.size(); }        // number of entries, repeats included

    void pushFront(GuiElement* child) { items.push_back(child); }  // attach as newest
    void clear() { items.clear(); }                                // forget every entry
    void removeAll(GuiElement* child);                             // drop every occurrence

private:
    std::vector<GuiElement*> items;
};

}  // namespace trellis
