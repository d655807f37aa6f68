// Fuzzes the skin file reader: loads two skins from the input into the skin store, looks
// attributes up for elements of every skin class, and re-skins a small tree, which parses
// every value the store gives it.
#include "FuzzSupport.h"

#include "trellis/gui/Button.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"
#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/skin/SkinOutline.h"
#include "trellis/style/SkinStore.h"

#include <cstring>

using namespace trellis;

namespace {

const char* const kAttributes[] = {"bgColor", "texture",   "u0",       "v0",   "u1",
                                   "v1",      "fontColor", "fontSize", "name", ""};

struct Tree {
    GuiRoot* root;
    std::vector<GuiElement*> elements;
};

// A root holding a titled window (title bar and close button) with a named button in it, and a
// plain element: every skin class, an element name and the empty name of the title bar.
Tree& tree() {
    static Tree built = [] {
        useFuzzScreenUnits();
        checkDiagnostics();
        Tree t{new GuiRoot(), {}};
        Window* window = new Window("okWindow", t.root, "Title");
        new Button("okButton", window, "OK", 1, 4, 10, 3);
        new GuiElement("plain", t.root, 40, 40, 5, 5);
        collectTree(t.root, t.elements);
        return t;
    }();
    return built;
}

bool heldBy(const char* value, const std::string& section, const char* attribute) {
    auto found = skinStore.find(section);
    if (found == skinStore.end())
        return false;
    auto entry = found->second.find(attribute);
    return entry != found->second.end() && entry->second == value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static InputFile input("skin");
    Tree& t = tree();
    skinStore.clear();
    const char* path = input.write(data, size);
    loadSkin("default", path);
    loadSkin("test", path);
    outlineSkinFile(path);
    loadSkin("", path);

    for (GuiElement* element : t.elements)
        for (const char* attribute : kAttributes)
            if (const char* value = findSkinAttribute(skinStore, *element, attribute))
                if (!heldBy(value, element->name, attribute) &&
                    !heldBy(value, element->skinClass, attribute) &&
                    !heldBy(value, "global", attribute))
                    __builtin_trap();
    reskinTree(t.root, skinStore);
    return 0;
}
