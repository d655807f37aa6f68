// RoutingHooks: what input routing asks of element classes above it, which set these hooks as
// the program starts: whether a window keeps input within it and bringing windows to the front
// on a press (Window.h), and scrolling panels to show the focus (Panel.h). A hook left null, in
// a program without that class, means that no element is such a window or panel.
#pragma once

namespace trellis {

class GuiElement;

// Whether element is a window that keeps input within it while shown (Window::modal).
extern bool (*keepsInputWithin)(const GuiElement* element);

// Brings each window that element is or lies in to the front, as a press on element does.
extern void (*raiseForPress)(GuiElement* element);

// Scrolls what element lies in so that it shows, as the keyboard focus moves to it.
extern void (*scrollToShow)(GuiElement* element);

}  // namespace trellis
