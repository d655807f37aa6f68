// The demo's skin switch.
#include "app/ChangeSkin.h"

#include "trellis/gui/Button.h"
#include "trellis/shell/GuiShell.h"
#include "trellis/skin/Reskin.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

using namespace trellis;

void changeSkin(void*, CallbackSender* sender) {
    Button* button = dynamic_cast<Button*>(sender);
    loadSkin("test");
    reskinTree(rootElement, skinStore);
    if (button)
        button->text = "Pushover";
}
