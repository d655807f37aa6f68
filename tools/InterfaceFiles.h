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
    std::vector<std::string> fonts{"verdana.glf"};  // a texture font or TrueType faces, in order
    std::vector<std::string> skinNames{"default"};  // merged in this order
    std::vector<std::string> callbacks;             // names the host program registers

    // The files read: the dialogue, the skin and each font.
    std::vector<const std::string*> inputs() const;
};

// What building the interface gave: the dialogue's elements, and a sentence for each file or
// skin that did not load (the loaders' own diagnostics say more).
struct BuiltInterface {
    LoadedDialogue dialogue;
    std::vector<std::string> failures;
};

// Needs initHostGui done. Loads the fonts (the first as loadFont does, each later one as a
// fallback face after it), merges the first skin, registers the callbacks (as
// callbacks that do nothing, so that the dialogue binds them), builds the dialogue under the
// root, then merges each later skin and re-skins the tree, as the demo's skin button does.
// Whatever fails is listed and skipped; the rest is still built.
BuiltInterface buildInterface(const InterfaceFiles& files);

}  // namespace trellis
