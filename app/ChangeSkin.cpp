// The demo's skin switch.
#include "app/ChangeSkin.h"

#include "app/GuiShell.h"
#include "gui/Button.h"
#include "skin/Reskin.h"
#include "skin/SkinStore.h"

void changeSkin(void*, CallbackSender* sender) {
    Button* button = dynamic_cast<Button*>(sender);
    loadSkin("test");
    reskinTree(rootElement, skinStore);
    if (button)
        button->text = "Pushover";
}
