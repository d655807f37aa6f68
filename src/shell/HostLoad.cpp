// The host API's loading from any path, lookup and removal.
#include "trellis/shell/Host.h"

namespace trellis {

bool loadFont(const char*) {
    return false;
}

LoadedDialogue loadDialogueFile(const char*, GuiElement*) {
    return {};
}

GuiElement* findElement(const char*) {
    return nullptr;
}

void destroyElement(GuiElement*) {}

void destroyDialogue(LoadedDialogue&) {}

}  // namespace trellis
