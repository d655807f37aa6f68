// The one-call builders: elements with the lengths that let the containers place them.
#include "trellis/layout/Build.h"

#include "trellis/gui/ScreenUnits.h"

namespace trellis {

namespace {

// As wide as the parent's inside.
void spanParent(GuiElement& element) {
    element.widthLength = Length::percentOf(100, 0);
}

}  // namespace

Window* buildWindow(const char* title, float x, float y, float width, float height,
                    GuiElement* parent) {
    Window* window = new Window(nullptr, parent, title);
    window->setRect(x, y, width, height);
    return window;
}

Column* buildColumn(GuiElement* parent, float spacing, float padding) {
    Column* column = new Column(nullptr, parent);
    spanParent(*column);
    column->spacing = spacing;
    column->padding = padding;
    const Window* window = dynamic_cast<const Window*>(parent);
    if (window && window->titleBar)
        column->setPosition(0, titleBarHeight);
    return column;
}

Row* buildRow(GuiElement* parent, float spacing) {
    Row* row = new Row(nullptr, parent);
    spanParent(*row);
    row->spacing = spacing;
    return row;
}

Button* buildButton(GuiElement* parent, const char* text, CallbackHandler onClick, float height) {
    Button* button = new Button(nullptr, parent, text, 0, 0, 3, height);
    button->widthLength = dynamic_cast<Row*>(parent) ? Length::fill() : Length::automatic();
    button->clickCallbacks[0] = callbackOf(std::move(onClick));
    return button;
}

Slider* buildSlider(GuiElement* parent, double minimum, double maximum, double value,
                    CallbackHandler onChange, double step) {
    Slider* slider = new Slider(nullptr, parent, 0, 0, 10, 2);
    spanParent(*slider);
    slider->setRange(minimum, maximum, step);
    slider->setValue(value);
    // Set last, so that the value given is no change to report.
    slider->changeCallback = callbackOf(std::move(onChange));
    return slider;
}

}  // namespace trellis
