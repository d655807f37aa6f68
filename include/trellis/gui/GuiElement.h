// GuiElement: the base of every element, a snapped rectangle in screen units that draws a
// quad, holds its children, answers hit tests and hears mouse and key events.
#pragma once

#include "trellis/gui/Callback.h"
#include "trellis/gui/CallbackSender.h"
#include "trellis/gui/ChildList.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/Length.h"
#include "trellis/gui/SkinImage.h"
#include "trellis/style/Color.h"
#include "trellis/style/SkinStore.h"

#include <string>
#include <typeinfo>

namespace trellis {

class AttributeSource;
class DrawRecorder;
struct RecordedVertex;

constexpr int kClickCallbackCount = 10;  // one click slot per mouse button number 0..9

// The base element. Virtual operations keep this slot order in every subclass.
class GuiElement : public CallbackSender {
public:
    // Attaches to parent, registers name, snaps the rectangle and applies the skin store.
    GuiElement(const char* name, GuiElement* parent, float x, float y, float width, float height);

    virtual void draw();    // the element's quad, in element-local coordinates
    virtual ~GuiElement();  // leaves parent, registry and routing, then deletes its subtree
    virtual void addChild(GuiElement* child);     // inserts child as the newest, sets its parent
    virtual void removeChild(GuiElement* child);  // removes every occurrence, clears its parent
    virtual void setSize(float width, float height);                    // setRect, same place
    virtual void setPosition(float x, float y);                         // setRect, same size
    virtual void setRect(float x, float y, float width, float height);  // snaps and stores
    virtual void loadAttributes(const AttributeSource& element);  // geometry, colours, callbacks
    virtual bool containsPoint(float px, float py);  // strictly inside, at its hit origin
    virtual void drawBorder(const Color& color, float borderWidth);  // bevelled outer frame
    virtual void applySkin(SkinStore& store);  // bgColor, texture, u0, v0, u1, v1, image, blend
    virtual void onMouseDown(int button);      // fires mouseDownCallback
    virtual void onMouseUp(int button);        // nothing
    virtual void onClick(int button);          // fires clickCallbacks[button]
    virtual void onMouseEnter();               // nothing
    virtual void onMouseLeave();               // nothing
    virtual bool onKeyDown(int key);           // not consumed
    virtual bool onKeyUp(int key);             // not consumed
    // A typed character (a Unicode code point) while this is the focus element: not taken.
    virtual bool onChar(unsigned int codepoint);
    // The wheel turned by (dx, dy) notches over this element or a child that left it: not taken.
    virtual bool onScroll(float dx, float dy);
    // The pointer moved to (x, y), in this element's own coordinates, while the left button
    // that went down on this element is held: nothing.
    virtual void onMouseDrag(float x, float y);
    // Whether Tab stops at this element (and it shows the focus frame when focused): no.
    virtual bool isFocusable() const;
    // Where the children can be seen and hit, in this element's own coordinates; false when
    // they are not clipped: GuiElement's are not.
    virtual bool childClip(float& left, float& top, float& right, float& bottom) const;
    // How far the children are scrolled up, drawn and hit that much higher: 0.
    virtual float childrenScrollY() const;
    // Drawn after the children, over them (a scroll bar): nothing.
    virtual void drawOverChildren();

    void drawTree();  // this element and its visible descendants, oldest sibling first
    // draw(), or for a disabled element its look through DisabledLook when it records itself.
    void drawLook();

    // Describes draw() to a batching renderer (DrawRecorder.h): true when it did, false to have
    // drawTree() draw this element and its subtree instead. GuiElement's does so only for a
    // plain GuiElement.
    virtual bool record(DrawRecorder& out);

    // Where the element and its children are hit, in the parent's coordinates: (x, y), unless
    // a look moved the element from where it is meant to be.
    virtual void hitOrigin(float& hitX, float& hitY) const;

    // Describes drawOverChildren to a batching renderer, after the children are recorded; a
    // class whose record returns true records here what it draws over its children: nothing.
    virtual void recordOverChildren(DrawRecorder& out);

    std::string name;                  // registry key and skin section name
    const char* skinClass = "global";  // skin class section: global, button, title, window
    ChildList children;                // newest first; owned (deleted with this element)
    GuiElement* parent;                // not owned; null for the root
    float x, y;                        // top-left corner relative to the parent, screen units
    float width, height;               // screen units
    // How the file gave x, y, width and height: units (the fields above are the truth), or
    // lengths that the layout works out into the fields again when the room changes.
    Length xLength, yLength, widthLength, heightLength;
    Color bgColor{{255, 255, 255, 255}};   // quad colour
    unsigned int texture = 0;              // non-zero: the quad samples the bound texture
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;  // texture coordinates of left, top, right, bottom
    bool visible = true;                   // invisible elements hide their subtree
    bool blend = false;   // the background is blended with its alpha (else drawn opaque)
    bool enabled = true;  // disabled: drawn faded, no input, no Tab stop
    // The style classes from the "class" attribute, separated by spaces; their skin sections
    // rank between the name's and the skin class's (ElementSkin.h).
    std::string styleClasses;
    // The skin's picture drawn as the background instead of bgColor's quad; none by default.
    SkinImage skinImage;
    std::string tooltip;         // shown near the pointer after a hover; empty: none
    Callback mouseDownCallback;  // fired on every mouse-button press
    Callback clickCallbacks[kClickCallbackCount];  // fired by onClick, per button number

protected:
    // The quad, as draw() draws it: the skin's picture over the rectangle when it names one.
    void recordQuad(DrawRecorder& out);
    // Whether the quad is drawn blended: blend asked, untextured and not opaque.
    bool blendsBackground() const;
    // The quad's corners with their texture coordinates, in the order draw() gives them.
    void quadVertices(RecordedVertex (&quad)[4]) const;
    void recordBorder(DrawRecorder& out, const Color& color, float borderWidth);  // drawBorder's
    // draw() of a class whose look its describe gives: describe drawn at once.
    template <class Self> void drawDescribed(void (Self::*describe)(DrawRecorder&));
    // record() of such a class, describe after the quad when withQuad: only for an element whose
    // class is exactly Self (DrawRecorder.h), else nothing and false. Callers name Self, which a
    // base class's describe would not give.
    template <class Self>
    bool recordDescribed(DrawRecorder& out, void (Self::*describe)(DrawRecorder&), bool withQuad);

private:
    void drawTreeAtDepth(int depth);
    void drawChildren(int depth);  // the visible children, clipped and scrolled as asked
    void deleteDescendants();      // deletes the subtree below, deepest first, without recursion
};

// Whether element and all its ancestors are enabled: otherwise it takes no input.
bool isEnabledInTree(const GuiElement* element);

template <class Self> void GuiElement::drawDescribed(void (Self::*describe)(DrawRecorder&)) {
    ImmediateRecorder now;
    (static_cast<Self*>(this)->*describe)(now);
}

template <class Self>
bool GuiElement::recordDescribed(DrawRecorder& out, void (Self::*describe)(DrawRecorder&),
                                 bool withQuad) {
    if (typeid(*this) != typeid(Self))
        return false;
    if (withQuad)
        recordQuad(out);
    (static_cast<Self*>(this)->*describe)(out);
    return true;
}

}  // namespace trellis
