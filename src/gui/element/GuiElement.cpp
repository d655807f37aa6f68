// The base element: construction, geometry, drawing, skinning, attributes and events.
#include "trellis/gui/GuiElement.h"

#include "gui/element/ElementGoing.h"
#include "gui/element/OwnStyles.h"
#include "gui/look/Picture.h"

#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/CallbackTable.h"
#include "trellis/gui/DisabledLook.h"
#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/ElementRegistry.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/ScissorClip.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <GL/gl.h>
#include <optional>
#include <vector>

namespace trellis {

namespace {

// Matrix-stack entries drawTree may use before it switches to undoing its translations by
// hand: OpenGL guarantees 32 model-view entries, and callers keep some for themselves.
constexpr int kMatrixPushDepth = 24;

constexpr int kBorderVertices = 16;  // four quads

// The bevelled frame of width b around a w x h rectangle, as four mitred quads (right, left,
// top, bottom edges), shading from color at the rectangle's edge to its darker or lighter shade
// at the outer edge; every vertex takes the texture coordinate (s, t).
void borderVertices(float w, float h, float b, const Color& color, float s, float t,
                    RecordedVertex (&out)[kBorderVertices]) {
    const Color n = color, d = scaleColor(color, 0.6f), l = scaleColor(color, 1.4f);
    const RecordedVertex corners[kBorderVertices] = {
        {w, 0, s, t, n},        {w, h, s, t, n},   {w + b, h + b, s, t, d},
        {w + b, -b, s, t, d},   {-b, -b, s, t, l}, {-b, h + b, s, t, l},
        {0, h, s, t, n},        {0, 0, s, t, n},   {w + b, -b, s, t, l},
        {-b, -b, s, t, l},      {0, 0, s, t, n},   {w, 0, s, t, n},
        {w, h, s, t, n},        {0, h, s, t, n},   {-b, h + b, s, t, d},
        {w + b, h + b, s, t, d}};
    for (int i = 0; i < kBorderVertices; ++i)
        out[i] = corners[i];
}

}  // namespace

// ============================================================================================
// Construction and destruction
// ============================================================================================

GuiElement::GuiElement(const char* name, GuiElement* parent, float x, float y, float width,
                       float height)
    : name(name ? name : ""), parent(parent), x(x), y(y), width(width), height(height) {
    if (parent)
        parent->addChild(this);
    registerElement(this);
    adoptOwnStyles(*this);
    this->x = snapToPixel(this->x);
    this->width = snapToPixel(this->width);
    this->y = snapToPixel(this->y);
    this->height = snapToPixel(this->height);
    GuiElement::applySkin(skinStore);
}

GuiElement::~GuiElement() {
    tellElementGoing(this);
    if (parent)
        parent->removeChild(this);
    unregisterElement(this);
    forgetOwnStyles(*this);
    deleteDescendants();
}

void GuiElement::deleteDescendants() {
    // An element owns the children whose parent it is. The subtree is gathered parents first
    // and deleted in reverse, so that no destructor recurses (deep trees would overflow the
    // call stack). Each element is cut loose first, its children already gone, so that its
    // destructor neither searches a sibling list nor meets a freed child.
    std::vector<GuiElement*> owned;
    GuiElement* holder = this;
    for (size_t next = 0;; holder = owned[next++]) {
        for (GuiElement* child : holder->children.oldestFirst())
            if (child->parent == holder)
                owned.push_back(child);
        if (next == owned.size())
            break;
    }
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        (*it)->children.clear();
        (*it)->parent = nullptr;
        delete *it;
    }
    children.clear();
}

// ============================================================================================
// Tree and geometry
// ============================================================================================

void GuiElement::addChild(GuiElement* child) {
    children.pushFront(child);
    child->parent = this;
}

void GuiElement::removeChild(GuiElement* child) {
    child->parent = nullptr;
    children.removeAll(child);
}

void GuiElement::setSize(float newWidth, float newHeight) {
    setRect(x, y, newWidth, newHeight);
}

void GuiElement::setPosition(float newX, float newY) {
    setRect(newX, newY, width, height);
}

void GuiElement::setRect(float newX, float newY, float newWidth, float newHeight) {
    x = snapToPixel(newX);
    y = snapToPixel(newY);
    width = snapToPixel(newWidth);
    height = snapToPixel(newHeight);
}

bool GuiElement::containsPoint(float px, float py) {
    float left = 0, top = 0;
    hitOrigin(left, top);
    return left < px && px < left + width && top < py && py < top + height;
}

void GuiElement::hitOrigin(float& hitX, float& hitY) const {
    hitX = x;
    hitY = y;
}

// ============================================================================================
// Drawing
// ============================================================================================

void GuiElement::draw() {
    if (blendsBackground() || skinImage.shown()) {
        ImmediateRecorder now;
        recordQuad(now);
        return;
    }
    if (texture)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
    glColor4ubv(bgColor.rgba);
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex2f(0, 0);
    glTexCoord2f(u0, v1);
    glVertex2f(0, height);
    glTexCoord2f(u1, v1);
    glVertex2f(width, height);
    glTexCoord2f(u1, v0);
    glVertex2f(width, 0);
    glEnd();
}

void GuiElement::drawTree() {
    drawTreeAtDepth(0);
}

void GuiElement::drawTreeAtDepth(int depth) {
    // Deep trees would overflow the model-view stack; past the push depth the translation is
    // undone by the opposite translation instead of a pop.
    const bool push = depth < kMatrixPushDepth;
    const float atX = x, atY = y;
    if (push)
        glPushMatrix();
    glTranslatef(atX, atY, 0);
    drawLook();
    drawChildren(depth);
    drawOverChildren();
    if (push)
        glPopMatrix();
    else
        glTranslatef(-atX, -atY, 0);
}

void GuiElement::drawLook() {
    if (!drawsFaded(*this)) {
        draw();
        return;
    }
    ImmediateRecorder now;
    DisabledLook faded(now, bgColor);
    if (!record(faded))
        draw();
}

void GuiElement::drawChildren(int depth) {
    // Only elements that clip or scroll their children touch the scissor box or the matrix.
    float left = 0, top = 0, right = 0, bottom = 0;
    std::optional<ScissorClip> clip;
    if (childClip(left, top, right, bottom))
        clip.emplace(left, top, right - left, bottom - top);
    const float scroll = childrenScrollY();
    if (scroll != 0)
        glTranslatef(0, -scroll, 0);
    for (GuiElement* child : children.oldestFirst())
        if (child->visible)
            child->drawTreeAtDepth(depth + 1);
    if (scroll != 0)
        glTranslatef(0, scroll, 0);
}

void GuiElement::drawBorder(const Color& color, float borderWidthUnits) {
    RecordedVertex frame[kBorderVertices];
    borderVertices(width, height, snapToPixel(borderWidthUnits), color, 0, 0, frame);
    glBegin(GL_QUADS);
    for (int i = 0; i < kBorderVertices; ++i) {
        if (i == 0 || frame[i].color != frame[i - 1].color)
            glColor4ubv(frame[i].color.rgba);
        glVertex2f(frame[i].x, frame[i].y);
    }
    glEnd();
}

bool GuiElement::record(DrawRecorder& out) {
    if (typeid(*this) != typeid(GuiElement))
        return false;
    recordQuad(out);
    return true;
}

void GuiElement::quadVertices(RecordedVertex (&quad)[4]) const {
    quad[0] = {0, 0, u0, v0, bgColor};
    quad[1] = {0, height, u0, v1, bgColor};
    quad[2] = {width, height, u1, v1, bgColor};
    quad[3] = {width, 0, u1, v0, bgColor};
}

void GuiElement::recordQuad(DrawRecorder& out) {
    if (skinImage.shown()) {
        recordSkinImage(out, skinImage, 0, 0, width, height);
        return;
    }
    RecordedVertex quad[4];
    quadVertices(quad);
    if (blendsBackground())
        out.pictureQuads(quad, 4, whitePicture().texture(), true);
    else
        out.quads(quad, 4, texture != 0);
}

bool GuiElement::blendsBackground() const {
    return blend && !texture && bgColor.alpha() != 255;
}

void GuiElement::recordOverChildren(DrawRecorder&) {}

void GuiElement::recordBorder(DrawRecorder& out, const Color& color, float borderWidthUnits) {
    // Drawn right after the quad: a textured quad leaves texturing on, and every vertex of the
    // frame takes the quad's last texture coordinate.
    RecordedVertex frame[kBorderVertices];
    borderVertices(width, height, snapToPixel(borderWidthUnits), color, u1, v0, frame);
    out.quads(frame, kBorderVertices, texture != 0);
}

// ============================================================================================
// Skin and dialogue attributes
// ============================================================================================

void GuiElement::applySkin(SkinStore& store) {
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "bgColor", bgColor);
    applySkinUnsigned(sections, "texture", texture);
    applySkinReal(sections, "u0", u0);
    applySkinReal(sections, "v0", v0);
    applySkinReal(sections, "u1", u1);
    applySkinReal(sections, "v1", v1);
    unsigned int blendFlag = blend ? 1 : 0;
    applySkinUnsigned(sections, "blend", blendFlag);
    blend = blendFlag != 0;
    skinImage = skinImageIn(sections);
}

void GuiElement::loadAttributes(const AttributeSource& element) {
    // The style classes' sections rank above the skin class's: the skin is applied again with
    // them before the element's own attributes are read over it.
    if (const char* classes = textAttribute(element, "class")) {
        styleClasses = classes;
        applySkin(skinStore);
    }
    if (textAttribute(element, "blend"))
        blend = flagAttribute(element, "blend");
    float newX = x, newY = y, newWidth = width, newHeight = height;
    readLengthAttribute(element, "x", false, newX, xLength);
    readLengthAttribute(element, "y", false, newY, yLength);
    readLengthAttribute(element, "width", true, newWidth, widthLength);
    readLengthAttribute(element, "height", true, newHeight, heightLength);
    setRect(newX, newY, newWidth, newHeight);
    readColorAttribute(element, "bgColor", bgColor);
    readNumberAttribute(element, "u0", u0);
    readNumberAttribute(element, "v0", v0);
    readNumberAttribute(element, "u1", u1);
    readNumberAttribute(element, "v1", v1);
    readCallbackAttribute(element, "onMouseDown", mouseDownCallback);
    readCallbackAttribute(element, "onLeftClick", clickCallbacks[0]);
    readCallbackAttribute(element, "onRightClick", clickCallbacks[1]);
    readCallbackAttribute(element, "onMiddleClick", clickCallbacks[2]);
    if (textAttribute(element, "visible"))
        visible = flagAttribute(element, "visible");
    if (textAttribute(element, "enabled"))
        enabled = flagAttribute(element, "enabled");
    if (const char* tip = textAttribute(element, "tooltip"))
        tooltip = tip;
}

// ============================================================================================
// Events
// ============================================================================================

void GuiElement::onMouseDown(int) {
    mouseDownCallback.fire(this);
}

void GuiElement::onMouseUp(int) {}

void GuiElement::onClick(int button) {
    if (button >= 0 && button < kClickCallbackCount)
        clickCallbacks[button].fire(this);
}

void GuiElement::onMouseEnter() {}

void GuiElement::onMouseLeave() {}

bool GuiElement::onKeyDown(int) {
    return false;
}

bool GuiElement::onKeyUp(int) {
    return false;
}

bool GuiElement::onChar(unsigned int) {
    return false;
}

bool GuiElement::onScroll(float, float) {
    return false;
}

void GuiElement::onMouseDrag(float, float) {}

bool GuiElement::isFocusable() const {
    return false;
}

bool GuiElement::childClip(float&, float&, float&, float&) const {
    return false;
}

float GuiElement::childrenScrollY() const {
    return 0;
}

void GuiElement::drawOverChildren() {}

bool isEnabledInTree(const GuiElement* element) {
    for (; element; element = element->parent)
        if (!element->enabled)
            return false;
    return true;
}

}  // namespace trellis
