// Building an interface from its files in the demo's order.
#include "InterfaceFiles.h"

#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/style/SkinStore.h"

namespace trellis {

namespace {

// Stands in for the host program's callbacks: the preview's clicks change nothing.
void ignoreEvent(void*, CallbackSender*) {}

void mergeSkin(const InterfaceFiles& files, const std::string& name, BuiltInterface& built) {
    if (!loadSkin(name.c_str(), files.skin.c_str()))
        built.failures.push_back("cannot load the skin \"" + name + "\" from " + files.skin);
}

}  // namespace

std::vector<const std::string*> InterfaceFiles::inputs() const {
    std::vector<const std::string*> files{&dialogue, &skin};
    for (const std::string& font : fonts)
        files.push_back(&font);
    return files;
}

BuiltInterface buildInterface(const InterfaceFiles& files) {
    BuiltInterface built;
    // The first font replaces whatever drew before (a rebuild starts over); the rest follow it.
    for (size_t i = 0; i < files.fonts.size(); ++i) {
        const char* font = files.fonts[i].c_str();
        if (!(i == 0 ? loadFont(font) : addFallbackFont(font)))
            built.failures.push_back("cannot load the font " + files.fonts[i]);
    }
    // The demo starts with one skin merged, builds its dialogue, and later merges another skin
    // and re-skins the tree: the dialogue's named elements copy their attributes into the
    // store in between, so the order shows in the pixels.
    if (!files.skinNames.empty())
        mergeSkin(files, files.skinNames.front(), built);
    static int receiver;  // a callback fires only with a receiver
    for (const std::string& name : files.callbacks)
        registerCallback(name.c_str(), ignoreEvent, &receiver);
    built.dialogue = loadDialogueFile(files.dialogue.c_str());
    if (!built.dialogue.loaded)
        built.failures.push_back("cannot load the dialogue " + files.dialogue);
    for (size_t i = 1; i < files.skinNames.size(); ++i) {
        mergeSkin(files, files.skinNames[i], built);
        reskinTree(rootElement, skinStore);
    }
    return built;
}

}  // namespace trellis
