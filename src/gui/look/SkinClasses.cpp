// The list of skin classes. A new element class with a skin class of its own adds it here.
#include "trellis/gui/SkinClasses.h"

#include <algorithm>
#include <utility>

namespace trellis {

const std::vector<std::string>& skinClassNames() {
    static const std::vector<std::string> names = {
        "global",   "button",    "title",   "window",  "textfield", "panel",    "label",
        "checkbox", "slider",    "image",   "row",     "column",    "grid",     "listbox",
        "tabs",     "tab",       "menubar", "popupmenu", "progress", "separator", "radio",
        "spinbox",  "dropdown",  "tooltip"};
    return names;
}

namespace {

// Each class with state looks, and its states: what the class's drawing asks for.
const std::vector<std::pair<std::string, std::vector<std::string>>>& statesByClass() {
    static const std::vector<std::pair<std::string, std::vector<std::string>>> table = {
        {"button", {"hover", "pressed", "disabled"}},
        {"dropdown", {"hover", "pressed", "disabled"}},
        {"checkbox", {"checked", "hover", "disabled"}},
        {"radio", {"checked", "hover", "disabled"}},
        {"textfield", {"focus", "disabled"}},
        {"spinbox", {"focus", "disabled"}},
        {"window", {"focus"}},
    };
    return table;
}

}  // namespace

const std::vector<std::string>& lookStateNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const auto& [skinClass, states] : statesByClass())
            for (const std::string& state : states)
                if (std::find(all.begin(), all.end(), state) == all.end())
                    all.push_back(state);
        return all;
    }();
    return names;
}

std::vector<std::string> lookStatesOf(const std::string& skinClass) {
    for (const auto& [name, states] : statesByClass())
        if (name == skinClass)
            return states;
    return {};
}

bool isSkinClassName(const std::string& name) {
    const std::vector<std::string>& names = skinClassNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace trellis
