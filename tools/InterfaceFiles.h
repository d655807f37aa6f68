// InterfaceFiles: the font, skin and dialogue files an interface is built from, and building it
// the way the demo does, for the tools that show a dialogue.
#pragma once

#include "trellis/shell/Host.h"

#include <string>
#include <vector>

namespace trellis {

// Which files to load, and which skins of the skin file to merge, in order.
struct InterfaceFiles {
    std::string dialogue;                           // the dialogue file
    std::string skin = "defaultSkin.xml";           // the skin file
    std::string font = "verdana.glf";               // the texture font file
    std::vector<std::string> skinNames{"default"};  // merged in this order
    std::vector<std::string> callbacks;             // names the host program registers
};

// What building the interface gave: the dialogue's elements, and a sentence for each file or
// skin that did not load (the loaders' own diagnostics say more).
struct BuiltInterface {
    LoadedDialogue dialogue;
    std::vector<std::string> failures;
};

// Needs initHostGui done. Loads the font, merges the first skin, registers the callbacks (as
// callbacks that do nothing, so that the dialogue binds them), builds the dialogue under the
// root, then merges each later skin and re-skins the tree, as the demo's skin button does.
// Whatever fails is listed and skipped; the rest is still built.
BuiltInterface buildInterface(const InterfaceFiles& files);

}  // namespace trellis
