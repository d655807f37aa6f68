// PreviewCarryOver: what the user did to the previewed interface that a reload would undo (a
// window dragged elsewhere, a text typed into a field), taken from the old build and given to
// the new one wherever the same element is built again.
#pragma once

#include "trellis/shell/Host.h"

#include <map>
#include <string>

namespace trellis {

// Elements are matched by their path: the names from the top level down, an unnamed element by
// its skin class, each with its place among the siblings of that name.
class PreviewCarryOver {
public:
    // Notes, before the interface built by the last carryInto goes, each movable window the
    // user moved from where that build put it, and each text field whose text differs from
    // what the build gave it.
    void takeFrom(const LoadedDialogue& shown);

    // Remembers where the new build puts its windows and what its fields say, then moves each
    // window noted to where the user had it (kept on screen as a drag keeps it) and gives each
    // field its noted text, where the new build has them. What it does not have is forgotten.
    void carryInto(const LoadedDialogue& built);

private:
    // An element as a build left it, before anything was carried into it.
    struct AsBuilt {
        float x = 0, y = 0;
        bool inUnits = true;  // x and y were numbers of units, not percentages
        std::string text;
    };
    std::map<std::string, AsBuilt> asBuilt;
    std::map<std::string, std::pair<float, float>> moved;  // window positions the user chose
    std::map<std::string, std::string> typed;              // field texts the user typed
};

}  // namespace trellis
