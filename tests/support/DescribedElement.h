// Test support: an element of the application's own that describes its look once, through a
// DrawRecorder, for draw() and record() alike, as docs/EMBEDDING.md shows.
#pragma once

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/ImmediateRecorder.h"

namespace trellis {

// Draws and records what describe tells the recorder.
struct DescribedElement : GuiElement {
    using GuiElement::GuiElement;
    void draw() override {
        ImmediateRecorder now;
        describe(now);
    }
    bool record(DrawRecorder& out) override {
        describe(out);
        return true;
    }
    virtual void describe(DrawRecorder& out) = 0;  // the look, in element-local units
};

}  // namespace trellis
