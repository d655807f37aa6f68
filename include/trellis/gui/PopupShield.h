// PopupShield: an invisible element over the whole interface, under an open popup, that closes
// the popup at any press outside it.
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

// Covers everything under the root's newest child; records nothing and draws nothing, and a
// press of any button on it calls onPress(receiver). Created by an opening popup just before
// it puts itself above, deleted when the popup closes.
class PopupShield : public GuiElement {
public:
    // A shield over the root that calls closer.fire at a press.
    explicit PopupShield(const Callback& closer);

    void draw() override;                     // nothing
    bool record(DrawRecorder& out) override;  // nothing, for a plain PopupShield
    void onMouseDown(int button) override;    // fires the closer
    bool onScroll(float dx, float dy) override;  // taken, so that nothing under it scrolls

private:
    Callback closer;
};

}  // namespace trellis
