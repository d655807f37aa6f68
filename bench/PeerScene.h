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

}  // namespace trellis
