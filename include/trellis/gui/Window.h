// Window: a framed panel with an optional title bar across its top.
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

class TitleBar;

// A panel drawn with a bevelled frame; keeps its title bar as wide as itself.
class Window : public GuiElement {
public:
    // Skins as "window"; a non-null title builds the title bar.
    Window(const char* name, GuiElement* parent, const char* title);

    void draw() override;  // the quad, then the frame when border is set
    void setRect(float x, float y, float width, float height) override;  // title bar follows width
    void
    loadAttributes(const AttributeSource& element) override;  // adds border, borderColor, title

    void removeChild(GuiElement* child) override;  // forgets the title bar when it goes

    TitleBar* titleBar = nullptr;             // the caption child, or null; owned as a child
    Color borderColor{{172, 172, 172, 255}};  // frame colour; only the dialogue sets it
    bool border = true;                       // whether the frame is drawn
};

}  // namespace trellis
