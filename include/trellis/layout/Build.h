// Building a small interface in code: a window, rows and columns that place their children,
// buttons and sliders with C++ callables, each in one call. layOut(window) places them.
#pragma once

#include "trellis/gui/Button.h"
#include "trellis/gui/Callback.h"
#include "trellis/gui/Slider.h"
#include "trellis/gui/Window.h"
#include "trellis/layout/Column.h"
#include "trellis/layout/Row.h"

namespace trellis {

// A window with a title bar at (x, y), width x height units, under parent (the root when null).
Window* buildWindow(const char* title, float x, float y, float width, float height,
                    GuiElement* parent = nullptr);

// A column as wide as its parent, as high as its children, spacing them and keeping padding
// free inside it; in a window, below the title bar.
Column* buildColumn(GuiElement* parent, float spacing = 1, float padding = 1);

// A row as wide as its parent, as high as its children, spacing them.
Row* buildRow(GuiElement* parent, float spacing = 1);

// A button showing text, height units high, calling onClick (when given) on a left click. In a
// row the buttons share its width; elsewhere the button is as wide as its text.
Button* buildButton(GuiElement* parent, const char* text, CallbackHandler onClick = {},
                    float height = 3);

// A slider from minimum to maximum (by step, 0 for any value) at value, as wide as its parent,
// calling onChange (when given) at every change of value.
Slider* buildSlider(GuiElement* parent, double minimum, double maximum, double value,
                    CallbackHandler onChange = {}, double step = 0);

}  // namespace trellis
