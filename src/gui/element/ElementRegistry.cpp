// Registering and unregistering elements by name, and who takes a name its holder leaves.
#include "trellis/gui/ElementRegistry.h"

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/GuiRoot.h"

#include "state/KeptVariable.h"

#include <list>

namespace trellis {

namespace {

using Line = std::list<GuiElement*>;

// Where a waiting element stands: the name it asked for (its name field is public and may have
// changed since) and its place in that name's line.
struct Place {
    std::string name;
    Line::iterator at;
};

// The elements that asked for a name already held, oldest first per name, and where each
// stands, so that any of them leaves in constant time.
struct WaitingNames {
    std::unordered_map<std::string, Line> byName;
    std::unordered_map<const GuiElement*, Place> place;
};

// Never destroyed: elements may still leave while the program exits.
WaitingNames& waitingNames = *new WaitingNames();
const bool perInterface = keepPerInterface(waitingNames);

WaitingNames& waiting() {
    return waitingNames;
}

}  // namespace

bool registerElement(GuiElement* element) {
    // Every element built without a parent joins the tree, whether or not its name is free: a
    // detached one would be neither drawn nor owned.
    if (!element->parent && rootElement)
        rootElement->addChild(element);
    if (elementRegistry.emplace(element->name, element).second)
        return true;
    Line& line = waiting().byName[element->name];
    waiting().place[element] = {element->name, line.insert(line.end(), element)};
    return false;
}

void unregisterElement(GuiElement* element) {
    WaitingNames& names = waiting();
    auto found = elementRegistry.find(element->name);
    if (found != elementRegistry.end() && found->second == element) {
        // The name passes to the oldest live element that asked for it.
        auto line = names.byName.find(element->name);
        if (line == names.byName.end()) {
            elementRegistry.erase(found);
            return;
        }
        found->second = line->second.front();
        names.place.erase(line->second.front());
        line->second.pop_front();
        if (line->second.empty())
            names.byName.erase(line);
        return;
    }
    auto place = names.place.find(element);
    if (place == names.place.end())
        return;
    auto line = names.byName.find(place->second.name);
    line->second.erase(place->second.at);
    names.place.erase(place);
    if (line->second.empty())
        names.byName.erase(line);
}

}  // namespace trellis
