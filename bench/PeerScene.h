// PeerScene: the scene trellis and its peers draw side by side: a window over the whole
// viewport and N buttons of 3 x 1 units labelled "Button", 37 to a row at a pitch of 3.5 x 1.3.
#pragma once

namespace trellis {

class GuiElement;

constexpr const char* kPeerLabel = "Button";
constexpr float kPeerButtonWidth = 3, kPeerButtonHeight = 1;  // screen units

// The top-left corner of button i, in screen units.
void peerButtonPlace(int i, float& x, float& y);

// The scene as a trellis tree under a new detached root, with the demo's default skin.
GuiElement* buildPeerTree(int buttons);

// The HUD: a window of kHudWidth x kHudHeight units at (kHudX, kHudY) that leaves most of the
// viewport to the host's scene, its N buttons "Button" 10 to a row at the peers' pitch.
constexpr float kHudX = 2, kHudY = 2, kHudWidth = 36, kHudHeight = 30;

// The top-left corner of HUD button i, in units from the HUD window's corner.
void hudButtonPlace(int i, float& x, float& y);

// The HUD as a trellis tree under a new detached root, with the demo's default skin.
GuiElement* buildHudTree(int buttons);

// The colour of button i in frame number frame of the animated scene: every button's changes
// from one frame to the next, opaque.
void peerButtonColor(int i, int frame, unsigned char (&rgba)[4]);

}  // namespace trellis
