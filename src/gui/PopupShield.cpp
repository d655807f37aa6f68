// The shield under an open popup.
#include "trellis/gui/PopupShield.h"

#include "trellis/gui/GuiRoot.h"

#include <typeinfo>

namespace trellis {

namespace {

constexpr float kShieldReach = 1e5f;  // screen units beyond any interface on every side

}  // namespace

PopupShield::PopupShield(const Callback& closer)
    : GuiElement("", rootElement, -kShieldReach, -kShieldReach, 2 * kShieldReach,
                 2 * kShieldReach),
      closer(closer) {}

void PopupShield::draw() {}

bool PopupShield::record(DrawRecorder&) {
    return typeid(*this) == typeid(PopupShield);
}

void PopupShield::onMouseDown(int) {
    // The closer deletes this shield: nothing here may be touched after it.
    const Callback close = closer;
    close.fire(nullptr);
}

bool PopupShield::onScroll(float, float) {
    return true;
}

}  // namespace trellis
