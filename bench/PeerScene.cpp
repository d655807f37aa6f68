// The peer scene's geometry and its trellis tree.
#include "PeerScene.h"

#include "BenchSupport.h"

#include "trellis/gui/Button.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Window.h"
#include "trellis/skin/SkinFile.h"
#include "trellis/style/SkinStore.h"

namespace trellis {

namespace {

constexpr int kPerRow = 37;
constexpr float kPitchX = 3.5f, kPitchY = 1.3f, kMargin = 0.5f;

}  // namespace

void peerButtonPlace(int i, float& x, float& y) {
    x = kMargin + kPitchX * float(i % kPerRow);
    y = kMargin + kPitchY * float(i / kPerRow);
}

GuiElement* buildPeerTree(int buttons) {
    skinStore.clear();
    loadSkin("default", (runFolder() + "/defaultSkin.xml").c_str());
    GuiElement* root = newDetachedRoot();
    auto* window = new Window("", root, nullptr);
    window->setRect(0, 0, float(screenWidthUnits()), 100);
    for (int i = 0; i < buttons; ++i) {
        float x = 0, y = 0;
        peerButtonPlace(i, x, y);
        new Button("", window, kPeerLabel, x, y, kPeerButtonWidth, kPeerButtonHeight);
    }
    return root;
}

}  // namespace trellis
