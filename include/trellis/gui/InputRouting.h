// Input routing: pointer, mouse-button, key, character and wheel events from the window into
// the element tree, and keyboard focus moved with Tab. The variables below, like the tree, are
// the current interface's (Interface.h).
#pragma once

#include "trellis/gui/GuiElement.h"

namespace trellis {

constexpr int kMouseButtonCount = 10;  // buttons 0..9 are routed

// An application hook taking two integers (a position, or a button or key and an action).
using InputHook = void (*)(int, int);
// An application hook for a typed character, a Unicode code point.
using CharHook = void (*)(unsigned int);
// An application hook for a wheel turn: horizontal and vertical offsets, in notches.
using ScrollHook = void (*)(double, double);

extern float pointerX, pointerY;    // last pointer position, screen units; (-1, -1) at first
extern GuiElement* hoveredElement;  // deepest visible element under the pointer, kept current
extern GuiElement* focusElement;    // element under the pointer at the last left press
// Per button: where it went down, until it comes up or that element is hidden or destroyed.
extern GuiElement* pressedElements[kMouseButtonCount];
extern InputHook userMousePosHandler;     // every position report, in pixels
extern InputHook userMouseButtonHandler;  // button events no element took
extern InputHook userKeyHandler;          // key events the focus element did not consume
extern CharHook userCharHandler;          // characters the focus element did not take
extern ScrollHook userScrollHandler;      // wheel turns no element under the pointer took
extern int heldModifiers;  // modifier bits (KeyCodes.h) held, as the key events told them

// Pointer handler: x and y in pixels from the top-left of the drawing area.
void onMousePos(int x, int y);

// Moves the pointer to (x, y) pixels and updates the hovered element, as onMousePos does
// before it calls userMousePosHandler. While the left button is held on an element, that
// element then hears onMouseDrag with the pointer in its own coordinates, and the hovered
// element is found again after what the drag moved.
void routePointer(int x, int y);

// The pointer left the drawing area: nothing is hovered until it is reported again.
void routePointerLeave();

// Finds again what lies under the pointer where it last was, with enter and leave as
// routePointer gives them, and lets go of presses held on elements no longer shown. The
// routing does this around every event it delivers, so that a press or the wheel lands on what
// is under a still pointer now, after a scroll, a move, a hidden or destroyed element or a
// re-layout; a program that changes the tree outside events may call it at once.
void refreshHover();

// Whether element and all its ancestors are visible, up to the root.
bool isShown(const GuiElement* element);

// The shown modal window (Window::modal) that blocks input to everything outside it and the
// elements above it (popups opened from it): the root's newest such child; null when none.
GuiElement* activeModal();

// Whether input may reach element now: it is enabled, and no modal window keeps it out.
bool takesInput(const GuiElement* element);

// Mouse-button handler: action 1 press, 0 release.
void onMouseButton(int button, int action);

// Key handler: action 1 press, 0 release.
void onKey(int key, int action);

// Delivers one key event to the focus element; true when it consumed the key. A Ctrl+Tab press
// it does not consume goes to its parents in turn, until one consumes it. A Tab press it
// does not consume moves the keyboard focus (backwards with Shift) when there is a focusable
// element to move it to, and counts as consumed then. Modifier keys update heldModifiers.
bool routeKey(int key, bool pressed);

// Character handler: codepoint is the Unicode character typed.
void onCharEvent(unsigned int codepoint);

// Delivers a typed character to the focus element; true when it took it.
bool routeChar(unsigned int codepoint);

// Wheel handler: offsets in notches as the window library reports them (dy > 0: away from the
// user, dx > 0: to the right).
void onScrollEvent(double dx, double dy);

// Offers a wheel turn to the hovered element, then to its parents in turn, until one takes it;
// true when one did.
bool routeScroll(float dx, float dy);

// Delivers one button event to the hovered element; true when an element took it.
bool routeMouseButton(int button, bool pressed);

// The deepest visible descendant of element containing (x, y), given in element's parent's
// coordinates; element itself when no child does. Newest children are tried first.
GuiElement* findElementAt(GuiElement* element, float x, float y);

// The demo's fallback for unhandled mouse buttons: prints "Gui didn't care".
void printUnhandled(int button, int action);

// The screen-unit position of element's top-left corner: its own and its ancestors' offsets.
void elementScreenPosition(const GuiElement* element, float& x, float& y);

// Clears every routing reference to element or to anything below it.
void forgetRoutedElement(GuiElement* element);

}  // namespace trellis
