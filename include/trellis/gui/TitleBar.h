// TitleBar: a window's caption strip with its "X" close button at the right end.
#pragma once

#include "trellis/gui/TextElement.h"

namespace trellis {

class Button;
class Window;

// The caption of a window, as wide as the window and titleBarHeight high.
class TitleBar : public TextElement {
public:
    // Attaches to window, skins as "title" and builds the close button.
    TitleBar(Window* window, const char* title);

    void setRect(float x, float y, float width,
                 float height) override;  // keeps the close button at the right end

    void removeChild(GuiElement* child) override;  // forgets the close button when it goes
    void onMouseDown(int button) override;         // left on a movable window: grabs it
    void onMouseDrag(float x, float y) override;   // moves a grabbed window with the pointer
    bool record(DrawRecorder& out) override;       // a plain TitleBar: the quad and the title
    float textRoom() const override;               // up to the close button, less the insets

    Button* closeButton = nullptr;  // child square inset one pixel; owned as a child

private:
    bool grabbed = false;        // the left press went down here on a movable window
    float grabX = 0, grabY = 0;  // where on the title bar it went down
};

}  // namespace trellis
