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

constexpr int kPerRow = 37, kHudPerRow = 10;
constexpr float kPitchX = 3.5f, kPitchY = 1.3f, kMargin = 0.5f;

}  // namespace

void peerButtonPlace(int i, float& x, float& y) {
    x = kMargin + kPitchX * float(i % kPerRow);
    y = kMargin + kPitchY * float(i / kPerRow);
}

void hudButtonPlace(int i, float& x, float& y) {
    x = kMargin + kPitchX * float(i % kHudPerRow);
    y = kMargin + kPitchY * float(i / kHudPerRow);
}

namespace {

// A window at (x, y) of width x height units and its buttons, under a new detached root.
GuiElement* buildWindowTree(float x, float y, float width, float height, int buttons,
                            void (*place)(int, float&, float&)) {
    skinStore.clear();
    loadSkin("default", (runFolder() + "/defaultSkin.xml").c_str());
    GuiElement* root = newDetachedRoot();
    auto* window = new Window("", root, nullptr);
    window->setRect(x, y, width, height);
    for (int i = 0; i < buttons; ++i) {
        float bx = 0, by = 0;
        place(i, bx, by);
        new Button("", window, kPeerLabel, bx, by, kPeerButtonWidth, kPeerButtonHeight);
    }
    return root;
}

}  // namespace

GuiElement* buildPeerTree(int buttons) {
    return buildWindowTree(0, 0, float(screenWidthUnits()), 100, buttons, peerButtonPlace);
}

GuiElement* buildHudTree(int buttons) {
    return buildWindowTree(kHudX, kHudY, kHudWidth, kHudHeight, buttons, hudButtonPlace);
}

void peerButtonColor(int i, int frame, unsigned char (&rgba)[4]) {
    rgba[0] = static_cast<unsigned char>(40 + (i * 7 + frame * 3) % 200);
    rgba[1] = static_cast<unsigned char>(40 + (i * 13 + frame * 5) % 200);
    rgba[2] = static_cast<unsigned char>(40 + (i * 3 + frame * 7) % 200);
    rgba[3] = 255;
}

}  // namespace trellis
