// Input routing: pointer, mouse-button and key events from the window into the element tree.
#pragma once

namespace trellis {

class GuiElement;

constexpr int kMouseButtonCount = 10;  // buttons 0..9 are routed

// An application hook taking two integers (a position, or a button or key and an action).
using InputHook = void (*)(int, int);

extern float pointerX, pointerY;    // last pointer position, screen units; (-1, -1) at first
extern GuiElement* hoveredElement;  // deepest visible element under the pointer
extern GuiElement* focusElement;    // element under the pointer at the last left press
extern GuiElement* pressedElements[kMouseButtonCount];  // per button: where it went down
extern InputHook userMousePosHandler;                   // every position report, in pixels
extern InputHook userMouseButtonHandler;                // button events no element took
extern InputHook userKeyHandler;  // key events the focus element did not consume

// Pointer handler: x and y in pixels from the top-left of the drawing area.
void onMousePos(int x, int y);

// Moves the pointer to (x, y) pixels and updates the hovered element, as onMousePos does
// before it calls userMousePosHandler.
void routePointer(int x, int y);

// Mouse-button handler: action 1 press, 0 release.
void onMouseButton(int button, int action);

// Key handler: action 1 press, 0 release.
void onKey(int key, int action);

// Delivers one key event to the focus element; true when it consumed the key.
bool routeKey(int key, bool pressed);

// Delivers one button event to the hovered element; true when an element took it.
bool routeMouseButton(int button, bool pressed);

// The deepest visible descendant of element containing (x, y), given in element's parent's
// coordinates; element itself when no child does. Newest children are tried first.
GuiElement* findElementAt(GuiElement* element, float x, float y);

// The demo's fallback for unhandled mouse buttons: prints "Gui didn't care".
void printUnhandled(int button, int action);

// Clears every routing reference to element or to anything below it.
void forgetRoutedElement(GuiElement* element);

}  // namespace trellis
