// Label: text on its own, without a background or a bevel, in one or several lines.
#pragma once

#include "trellis/gui/TextElement.h"

namespace trellis {

// Lines of text aligned left, centred or right within the label's rectangle, and centred
// vertically as a block; skinned as "label".
class Label : public TextElement {
public:
    // Like TextElement's constructor, then skinned as "label", aligned left.
    Label(const char* name, GuiElement* parent, const char* text, float x, float y, float width,
          float height);

    void draw() override;                     // only the text: each line placed by hAlign
    bool record(DrawRecorder& out) override;  // what draw draws, for a plain Label
    void loadAttributes(const AttributeSource& element) override;  // adds "align" and "wrap"
    float textRoom() const override { return width; }  // no inset: the text lines up outside

    bool wrap = false;  // lines broken at words to fit the width

protected:
    bool wrapsText() const override { return wrap; }

private:
    void describe(DrawRecorder& out);  // the look, for draw and record alike
};

// The alignment an "align" text names ("left", "center", "right"); false (align untouched) for
// any other text.
bool parseAlignText(const char* text, TextAlign& align);

// Reads the "align" attribute into align; a text parseAlignText does not know is reported and
// ignored.
void readAlignAttribute(const AttributeSource& element, TextAlign& align);

}  // namespace trellis
