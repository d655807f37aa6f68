// Fuzzes the dialogue loader with the skin store and callback table in place: builds the tree
// the input describes, re-skins it, then points at, presses, releases and clicks every element
// (firing a skin switch where one is bound) and sends keys, before tearing the tree down.
#include "FuzzSupport.h"

#include "trellis/dialogue/DialogueLoader.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

#include <cmath>

using namespace trellis;

namespace {

constexpr size_t kMaxTargets = 24;  // elements pointed at per input, to bound the run time

const char* const kSkins = R"(<skin name='default'>
  <global bgColor='1b212bff' fontColor='e4ebf5ff' fontSize='1.953125'/>
  <window bgColor='283241ff'/><title bgColor='3a5f95ff'/><button bgColor='46597aff'/>
</skin>
<skin name='test'>
  <global bgColor='fbefd9ff'/><button bgColor='e9a84cff' fontSize='3' texture='1'/>
  <okButton u0='0.5' v1='2'/>
</skin>)";

InputFile& skinFile() {
    static InputFile file("dialogue-skin");
    return file;
}

struct Receiver {
} receiver;

// The demo's skin switch, reading this fuzzer's own skin file.
void switchSkin(void*, CallbackSender* sender) {
    loadSkin("test", skinFile().write(kSkins));
    reskinTree(rootElement, skinStore);
    if (Button* button = dynamic_cast<Button*>(sender))
        button->text = "Pushover";
}

// The centre of element in window pixels, clamped to what a window library could report.
void centreInPixels(const GuiElement* element, int& px, int& py) {
    float x = element->width * 0.5f, y = element->height * 0.5f;
    for (const GuiElement* e = element; e; e = e->parent) {
        x += e->x;
        y += e->y;
    }
    auto toPixels = [](float units) {
        const float pixels = units / pixelSize;
        return std::isfinite(pixels) ? static_cast<int>(std::fmax(-1e6f, std::fmin(1e6f, pixels)))
                                     : 0;
    };
    px = toPixels(x);
    py = toPixels(y);
}

void pokeElements() {
    std::vector<GuiElement*> elements;
    collectTree(rootElement, elements);
    if (elements.size() > kMaxTargets)
        elements.resize(kMaxTargets);
    for (GuiElement* element : elements) {
        int x = 0, y = 0;
        centreInPixels(element, x, y);
        onMousePos(x, y);
        onMouseButton(0, 1);
        onKey(65, 1);
        onMouseButton(0, 0);
        onKey(65, 0);
        onMouseButton(1, 1);
        onMouseButton(2, 1);
        onMousePos(-3, -3);
        onMouseButton(1, 0);
        onMousePos(x, y);
        onMouseButton(2, 0);
        onMouseButton(12, 1);
        onMouseButton(-1, 0);
    }
    for (GuiElement* pressed : pressedElements)
        if (pressed)
            __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    useFuzzScreenUnits();
    checkDiagnostics();
    registerCallback("changeSkin", switchSkin, &receiver);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static InputFile input("dialogue");
    loadSkin("default", skinFile().write(kSkins));
    rootElement = new GuiRoot();
    loadDialogue(input.write(data, size));
    reskinTree(rootElement, skinStore);
    pokeElements();

    destroyTree(rootElement);
    rootElement = nullptr;
    checkRoutingCleared();
    if (!elementRegistry.empty())
        __builtin_trap();
    skinStore.clear();
    return 0;
}
