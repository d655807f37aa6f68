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

    // The quad, then the frame when border is set; or the skin's picture over both.
    void draw() override;
    bool record(DrawRecorder& out) override;  // a plain Window: the quad and the frame
    void setRect(float x, float y, float width, float height) override;  // title bar follows width
    // Adds border, borderColor, title, movable, closable and onClose.
    void loadAttributes(const AttributeSource& element) override;
    void applySkin(SkinStore& store) override;  // GuiElement's, then borderColor

    void removeChild(GuiElement* child) override;  // forgets the title bar when it goes

    // Moves the window to (x, y) in its parent, kept where its title bar can still be grabbed:
    // wholly inside the parent's height and at least partly inside its width (for a window
    // on the root, inside the screen).
    void moveWithinParent(float x, float y);

    // Hides the window, moves the keyboard focus and the pointer's hold out of it, and fires
    // closeCallback.
    void close();

    TitleBar* titleBar = nullptr;             // the caption child, or null; owned as a child
    Color borderColor{{172, 172, 172, 255}};  // frame colour
    bool border = true;                       // whether the frame is drawn
    bool movable = false;                     // dragging the title bar moves the window
    bool closable = false;                    // the title bar's close button closes the window
    bool modal = false;      // while shown, input outside it (and the popups above it) is blocked
    Callback closeCallback;  // fired when the window closes

private:
    // The skin's picture over the window and its frame, in place of both.
    void recordFramePicture(DrawRecorder& out);
};

// Brings each movable window that element is or lies in to the front of its siblings: drawn
// after them and hit before them. Other windows keep their order.
void raiseMovableWindows(GuiElement* element);

}  // namespace trellis
