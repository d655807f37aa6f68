// Labels: several lines of aligned text with no background.
#include "trellis/gui/Label.h"

#include "trellis/font/TextureFont.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/ScreenUnits.h"

#include <cstring>
#include <string>

namespace trellis {

Label::Label(const char* name, GuiElement* parent, const char* text, float x, float y, float width,
             float height)
    : TextElement(name, parent, text, x, y, width, height) {
    skinClass = "label";
    TextElement::applySkin(skinStore);
}

bool parseAlignText(const char* text, TextAlign& align) {
    static const struct {
        const char* text;
        TextAlign align;
    } names[] = {
        {"left", TextAlign::Start}, {"center", TextAlign::Center}, {"right", TextAlign::End}};
    for (const auto& entry : names) {
        if (text && std::strcmp(text, entry.text) == 0) {
            align = entry.align;
            return true;
        }
    }
    return false;
}

void readAlignAttribute(const AttributeSource& element, TextAlign& align) {
    const char* given = textAttribute(element, "align");
    if (given && !parseAlignText(given, align))
        element.reportValue("align",
                            "\"" + std::string(given) + "\" is not left, center or right; ignored");
}

void Label::loadAttributes(const AttributeSource& element) {
    TextElement::loadAttributes(element);
    if (const char* given = textAttribute(element, "text"))
        text = given;
    readAlignAttribute(element, hAlign);
    wrap = optInAttribute(element, "wrap");
}

void Label::draw() {
    drawDescribed(&Label::describe);
}

bool Label::record(DrawRecorder& out) {
    return recordDescribed<Label>(out, &Label::describe, false);
}

void Label::describe(DrawRecorder& out) {
    const ScopedFontChain own = ownFont();
    const std::string& shown = shownText();
    if (shown.empty())
        return;
    reportUndrawable();
    const float blockHeight = measureTextHeight(shown.c_str(), fontSize);
    // No background, so no inset from the edges: a label's text lines up with what is beside it.
    const float top = snapToPixel(alignedTextOffset(vAlign, height - blockHeight, 0));
    std::string part;
    size_t start = 0;
    for (int line = 0; start <= shown.size(); ++line) {
        size_t end = shown.find('\n', start);
        if (end == std::string::npos)
            end = shown.size();
        const bool whole = start == 0 && end == shown.size();
        if (!whole)
            part.assign(shown, start, end - start);
        const std::string& row = whole ? shown : part;
        // A row at the start begins at 0 whatever its width: it is measured (laid out) only
        // when centred or at the end.
        float rowWidth = 0, rowHeight = 0;
        if (hAlign != TextAlign::Start)
            measureText(row.c_str(), fontSize, rowWidth, rowHeight);
        const float left = snapToPixel(alignedTextOffset(hAlign, width - rowWidth, 0));
        recordTextRun(out, row, left, top + snapToPixel(line * fontSize));
        start = end + 1;
    }
}

}  // namespace trellis
