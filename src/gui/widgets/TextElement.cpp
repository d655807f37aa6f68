// Text elements: construction, skinning, attributes and aligned drawing.
#include "trellis/gui/TextElement.h"

#include "gui/widgets/TextFitting.h"
#include "style/StyleValueChecks.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/DrawRecorder.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/ImmediateRecorder.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/style/SkinValues.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <typeinfo>

namespace trellis {

float alignedTextOffset(TextAlign align, float room, float inset) {
    switch (align) {
    case TextAlign::Center:
        return room * 0.5f;
    case TextAlign::Start:
        return room > inset ? inset : 0.0f;
    case TextAlign::End:
        return room > inset ? room - inset : room;
    }
    return room;
}

bool parseOverflowText(const char* text, TextOverflow& overflow) {
    static const struct {
        const char* text;
        TextOverflow overflow;
    } names[] = {{"visible", TextOverflow::Visible},
                 {"clip", TextOverflow::Clip},
                 {"ellipsis", TextOverflow::Ellipsis}};
    for (const auto& entry : names) {
        if (text && std::strcmp(text, entry.text) == 0) {
            overflow = entry.overflow;
            return true;
        }
    }
    return false;
}

TextElement::TextElement(const char* name, GuiElement* parent, const char* text, float x, float y,
                         float width, float height)
    : GuiElement(name, parent, x, y, width, height), fontSize(snapToPixel(2.0f)),
      text(text ? text : "") {
    // The skin class is still "global" here; the size waits for a full applySkin.
    applySkinColor(skinSectionsOf(skinStore, *this), "fontColor", fontColor);
}

float TextElement::textRoom() const {
    return width - 2 * fontSize * 0.25f;
}

const std::string& TextElement::shownText() {
    const bool wraps = wrapsText();
    if (overflow != TextOverflow::Ellipsis && !wraps)
        return text;
    const ScopedFontChain own = ownFont();
    // Fitting measures many pieces: done again only when something it depends on changed. The
    // text's own width stands for the font, which a reload may change.
    const float room = textRoom(), width = textWidthAt(text, fontSize);
    const int how = int(overflow) * 2 + wraps;
    if (fitted.source == text && fitted.room == room && fitted.size == fontSize &&
        fitted.width == width && fitted.how == how)
        return fitted.shown;
    std::string shown = wraps ? wrapText(text, room, fontSize) : text;
    if (overflow == TextOverflow::Ellipsis)
        shown = ellipsizeText(shown, room, fontSize);
    fitted = {text, std::move(shown), room, fontSize, width, how};
    return fitted.shown;
}

void TextElement::recordTextRun(DrawRecorder& out, const std::string& line, float x, float y) {
    const bool clip = overflow == TextOverflow::Clip;
    if (clip)
        out.pushClip(0, 0, width, height);
    out.text(line.c_str(), x, y, fontSize, fontColor);
    if (clip)
        out.popClip();
}

bool TextElement::textCorner(float& dx, float& dy) {
    const std::string& shown = shownText();
    if (shown.empty())
        return false;
    float textWidth = 0, textHeight = 0;
    measureText(shown.c_str(), fontSize, textWidth, textHeight);
    const float inset = fontSize * 0.25f;
    dx = snapToPixel(alignedTextOffset(hAlign, width - textWidth, inset));
    dy = snapToPixel(alignedTextOffset(vAlign, height - textHeight, inset));
    return true;
}

void TextElement::reportUndrawable() {
    const size_t key = std::hash<std::string>()(text) ^ (textFontChanges() * 0x9E3779B97F4A7C15u);
    if (key == checkedText)
        return;
    checkedText = key;
    std::string codes;
    for (unsigned int code : undrawableCharacters(text.c_str())) {
        if (std::find(reported.begin(), reported.end(), code) != reported.end())
            continue;
        reported.push_back(code);
        char one[16];
        std::snprintf(one, sizeof one, "%sU+%04X", codes.empty() ? "" : ", ", code);
        codes += one;
    }
    if (!codes.empty())
        reportDiagnostic(Diagnostic{"", 0, 0, Severity::Warning,
                                    "element \"" + name + "\": no font draws " + codes +
                                        "; shown as the missing-glyph box"});
}

void TextElement::draw() {
    GuiElement::draw();
    const ScopedFontChain own = ownFont();
    float dx, dy;
    if (!textCorner(dx, dy))
        return;
    reportUndrawable();
    if (overflow != TextOverflow::Visible) {
        ImmediateRecorder now;
        recordTextRun(now, shownText(), dx, dy);
        return;
    }
    glColor4ubv(fontColor.rgba);
    drawText(text.c_str(), dx, dy, fontSize, false);
}

bool TextElement::record(DrawRecorder& out) {
    return recordTextLook(typeid(TextElement), out);
}

bool TextElement::recordTextLook(const std::type_info& type, DrawRecorder& out) {
    if (typeid(*this) != type)
        return false;
    recordQuad(out);
    recordText(out);
    return true;
}

void TextElement::recordText(DrawRecorder& out) {
    const ScopedFontChain own = ownFont();
    float dx, dy;
    if (!textCorner(dx, dy))
        return;
    reportUndrawable();
    recordTextRun(out, shownText(), dx, dy);
}

void TextElement::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "fontColor", fontColor);
    applySkinFontSize(sections, "fontSize", fontSize);
    if (const char* named = sections.find("font"))
        font = named;
}

void TextElement::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    // A size that is no finite number above zero is ignored as if it were absent.
    readFontSizeAttribute(element, "fontSize", fontSize);
    // Snapped whether given or not, but never to nothing: size 0 means "the size drawn last".
    if (isUsableFontSize(snapToPixel(fontSize)))
        fontSize = snapToPixel(fontSize);
    readColorAttribute(element, "fontColor", fontColor);
    if (const char* named = textAttribute(element, "font")) {
        font = named;
        const std::string problem = styleValueProblem(StyleKind::FontName, named);
        if (!problem.empty())
            element.reportValue("font", problem);
    }
    readOverflowAttribute(element, overflow);
}

bool readOverflowAttribute(const AttributeSource& element, TextOverflow& overflow) {
    const char* given = textAttribute(element, "overflow");
    if (given && !parseOverflowText(given, overflow))
        element.reportValue("overflow", "\"" + std::string(given) +
                                            "\" is not visible, clip or ellipsis; ignored");
    return given != nullptr;
}

}  // namespace trellis
