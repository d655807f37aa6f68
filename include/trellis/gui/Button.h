// Button: a bevelled text element that shows a pressed look while the left button holds it.
#pragma once

#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/TextElement.h"

#include <array>

namespace trellis {

class Image;

// A raised, centred-text element that can be pressed.
class Button : public TextElement {
public:
    // Like TextElement's constructor, then skinned as "button" with centred text.
    Button(const char* name, GuiElement* parent, const char* text, float x, float y, float width,
           float height);

    void draw() override;                     // text element, then the one-pixel bevel
    bool record(DrawRecorder& out) override;  // a plain Button: quad, text and bevel
    void onMouseDown(int button) override;    // left: pressed look; any: mouseDownCallback
    void onMouseUp(int button) override;      // left: resting look
    void onMouseEnter() override;             // pressed again if the left button went down here
    void onMouseLeave() override;             // back to rest
    virtual void setPressed(bool down);       // moves one pixel right and down when pressed
    // Where it rests: the pressed look's one-pixel shift does not move it from under the pointer.
    void hitOrigin(float& hitX, float& hitY) const override;

    // The states whose skin sections change its look now, weakest first ("hover", "pressed",
    // then "disabled" while it cannot be used); unused entries are null.
    void lookStates(const char* (&states)[3]) const;

    // Adds image: a picture (a PNG file, relative to the file) shown at the left end, or
    // centred when there is no text; the press anywhere on the button is the button's.
    void loadAttributes(const AttributeSource& element) override;
    void setRect(float x, float y, float width, float height) override;  // keeps the icon placed

    bool pressed = false;   // shown pressed
    Image* icon = nullptr;  // the picture a file's "image" gave, a child; null without one

protected:
    void recordBevel(DrawRecorder& out);  // the bevel lines, as draw() draws them

    // While it lives, the button shows the looks of the states it is in (lookStates): its
    // background, picture and font colour.
    class StateLooks {
    public:
        explicit StateLooks(Button& button);

    private:
        std::array<const char*, 3> states;  // lookStates', taken first
        StateLook hover, press, disabled;
    };
};

}  // namespace trellis
