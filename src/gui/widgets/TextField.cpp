// Text fields: editing keys, typing, the clipboard, mouse selection and clipped drawing.
#include "trellis/gui/TextField.h"

#include "diagnostics/DiagnosticText.h"
#include "gui/text/GraphemeBreaks.h"
#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/Clipboard.h"
#include "trellis/gui/DisabledLook.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyCodes.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/Label.h"
#include "trellis/gui/RecordedShapes.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Utf8Text.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cmath>

namespace trellis {

namespace {

// Letter keys carry their upper-case ASCII code.
constexpr int kKeyA = 'A', kKeyC = 'C', kKeyV = 'V', kKeyX = 'X';

// The width of one character beyond ASCII, measured alone at size.
float wideCharacterWidth(unsigned int codepoint, float size) {
    std::string one;
    appendUtf8(one, codepoint);
    float w = 0, h = 0;
    measureText(one.c_str(), size, w, h);
    return w;
}

// The width of each ASCII character a field can hold, measured alone at size; the others count 0.
PrefixWidths::WidthTable characterWidths(float size) {
    PrefixWidths::WidthTable widths{};
    char one[2] = {0, 0};
    for (int code = 32; code < 127; ++code) {
        one[0] = static_cast<char>(code);
        float w = 0, h = 0;
        measureText(one, size, w, h);
        widths[code] = w;
    }
    return widths;
}

}  // namespace

bool fontDrawsCharacter(unsigned int codepoint) {
    // Tab and line feed are layout, not characters.
    if (!isTextCharacter(codepoint))
        return false;
    // Without any font yet (a dialogue loaded before it), printable ASCII is all it can count on.
    if (!fontLoaded && textFontChain().size() == 0)
        return codepoint < 127;
    return drawsCharacter(codepoint);
}

TextField::TextField(const char* name, GuiElement* parent, float x, float y, float width,
                     float height)
    : TextElement(name, parent, "", x, y, width, height), focusColor(kDefaultFocusColor) {
    skinClass = "textfield";
    TextField::applySkin(skinStore);
}

float TextField::inset() const {
    return snapToPixel(fontSize * 0.25f);
}

// ============================================================================================
// Text, limit and callbacks
// ============================================================================================

void TextField::adoptOutsideText() {
    if (text == edit.text())
        return;
    edit.setText(text);
    text = edit.text();
}

void TextField::afterEdit(size_t revisionBefore) {
    // text held the model's text at revisionBefore: one change is copied over, not the whole.
    const size_t revision = edit.revision();
    const TextEditModel::Change& change = edit.lastChange();
    if (revision == revisionBefore + 1 &&
        text.size() + change.inserted == edit.text().size() + change.removed)
        text.replace(change.start, change.removed, edit.text(), change.start, change.inserted);
    else if (revision != revisionBefore)
        text = edit.text();
    keepCaretVisible();
    if (revision != revisionBefore)
        changeCallback.fire(this);
}

void TextField::setText(const std::string& newText) {
    adoptOutsideText();
    const size_t before = edit.revision();
    edit.setText(newText);
    afterEdit(before);
}

void TextField::setMaxLength(size_t length) {
    adoptOutsideText();
    const size_t before = edit.revision();
    edit.setMaxLength(length);
    afterEdit(before);
}

void TextField::loadAttributes(const AttributeSource& element) {
    TextElement::loadAttributes(element);
    // The field scrolls its text to the caret and clips it: it has no ellipsis to show.
    if (overflow == TextOverflow::Ellipsis) {
        overflow = TextOverflow::Clip;
        element.reportValue("overflow", "\"ellipsis\" has no effect on a text field, which "
                                        "clips its text and scrolls it to the caret");
    }
    readCallbackAttribute(element, "onChange", changeCallback);
    readCallbackAttribute(element, "onSubmit", submitCallback);
    password = optInAttribute(element, "password");
    if (const char* given = textAttribute(element, "placeholder"))
        placeholder = given;
    readAlignAttribute(element, hAlign);
    float length = 0;
    // A limit must be a whole number of characters (0: none); anything else leaves none. A limit
    // beyond the longest is held to the longest, never lifted: the field takes no more than asked.
    if (readNumberAttribute(element, "maxLength", length)) {
        if (length > kMaxTextLength && length == std::floor(length)) {
            edit.setMaxLength(static_cast<size_t>(kMaxTextLength));
            element.reportValue("maxLength", quoted(textAttribute(element, "maxLength")) +
                                                 " is beyond the longest limit; the field takes "
                                                 "at most " +
                                                 std::to_string(int(kMaxTextLength)) +
                                                 " characters");
        } else if (length >= 0 && length <= kMaxTextLength && length == std::floor(length))
            edit.setMaxLength(static_cast<size_t>(length));
        else
            element.reportValue("maxLength", quoted(textAttribute(element, "maxLength")) +
                                                 " is not a whole number from 0 to " +
                                                 std::to_string(int(kMaxTextLength)) +
                                                 "; the field has no limit");
    }
    if (const char* given = textAttribute(element, "text")) {
        edit.setText(given);
        if (edit.text() != given)
            element.reportValue("text", quoted(given) + " is shown as " + quoted(edit.text()) +
                                            ": control characters and malformed UTF-8 are "
                                            "left out, and the text is cut to maxLength");
    }
    // A field from a file shows the start of its text until it is edited.
    edit.moveHome(false);
    text = edit.text();
    keepCaretVisible();
}

void TextField::applySkin(SkinStore& store) {
    TextElement::applySkin(store);
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinColor(sections, "caretColor", caretColor);
    applySkinColor(sections, "selectionColor", selectionColor);
    applySkinColor(sections, "frameColor", frameColor);
    applySkinColor(sections, "focusColor", focusColor);
}

// ============================================================================================
// Geometry of the text
// ============================================================================================

const PrefixWidths& TextField::caretOffsets() {
    const ScopedFontChain own = ownFont();
    // Measured again only when the text, the size or the font changed, and after one edit only
    // where the text changed: drawing needs them every frame, and a long text must not make
    // each key dearer. The font has no kerning, so a prefix is as wide as its characters.
    PrefixWidths::WidthTable widths = characterWidths(fontSize);
    // A password measures as a row of stars, one for each character.
    const float star = widths['*'];
    if (password)
        widths.fill(star);
    const bool sameWidths = offsets.measures(edit.text()) && widths == offsets.widthTable();
    if (sameWidths && offsetsRevision == edit.revision())
        return offsets;
    const TextEditModel::Change& change = edit.lastChange();
    if (sameWidths && edit.revision() == offsetsRevision + 1)
        offsets.replace(change.start, change.removed, change.inserted);
    else
        offsets.reset(edit.text(), widths,
                      [size = fontSize, star, hidden = password](unsigned int codepoint) {
                          return hidden ? star : wideCharacterWidth(codepoint, size);
                      });
    offsetsRevision = edit.revision();
    return offsets;
}

size_t TextField::positionAt(float localX) {
    const float x = localX - inset() - alignShift() + scrollX;
    const PrefixWidths& offsets = caretOffsets();
    const size_t nearest = offsets.nearest(x);
    // Inside a cluster (a letter and its marks), the nearer of its two ends.
    const GraphemeBreaks clusters(edit.text());
    if (clusters.isBoundary(nearest))
        return nearest;
    const size_t before = clusters.previous(nearest), after = clusters.next(nearest);
    return std::fabs(offsets.offset(after) - x) < std::fabs(offsets.offset(before) - x) ? after
                                                                                        : before;
}

float TextField::reservedRight() const {
    return 0;
}

float TextField::alignShift() {
    const float room = std::max(0.0f, width - 2 * inset() - reservedRight()),
                total = caretOffsets().total();
    return total < room ? snapToPixel(alignedTextOffset(hAlign, room - total, 0)) : 0;
}

void TextField::keepCaretVisible() {
    const PrefixWidths& offsets = caretOffsets();
    const float room = std::max(0.0f, width - 2 * inset() - reservedRight());
    const float caretX = offsets.offset(edit.caret());
    // Whole pixels keep the glyphs on the pixel grid while they scroll.
    if (caretX - scrollX > room)
        scrollX = snapToPixel(caretX - room + pixelSize);
    if (caretX < scrollX)
        scrollX = snapToPixel(caretX);
    // Never scrolled further than the text needs, so deleting at the end pulls text back in.
    const float most = std::max(0.0f, snapToPixel(offsets.total() - room + pixelSize));
    scrollX = std::max(0.0f, std::min(scrollX, most));
}

// ============================================================================================
// Drawing
// ============================================================================================

void TextField::draw() {
    drawDescribed(&TextField::describe);
}

bool TextField::record(DrawRecorder& out) {
    return recordDescribed<TextField>(out, &TextField::describe, false);
}

void TextField::describe(DrawRecorder& out) {
    const ScopedFontChain own = ownFont();
    adoptOutsideText();
    reportUndrawable();
    StateLook focusLook(*this, focusElement == this ? "focus" : nullptr,
                        {{"fontColor", &fontColor}, {"frameColor", &frameColor}});
    StateLook disabledLook(*this, isEnabledInTree(this) ? nullptr : "disabled",
                           {{"fontColor", &fontColor}, {"frameColor", &frameColor}});
    recordQuad(out);
    const float p = pixelSize, w = width, h = height;
    // A skin's picture draws its own frame.
    if (!skinImage.shown())
        recordInnerFrame(out, w, h, frameColor);
    out.pushClip(p, p, w - 2 * p - reservedRight(), h - 2 * p);
    const PrefixWidths& offsets = caretOffsets();
    const float textY = snapToPixel(alignedTextOffset(TextAlign::Center, h - fontSize, 0));
    const float left = inset() + alignShift() - scrollX;
    if (edit.hasSelection()) {
        RecordedVertex selection[4];
        rectVertices(left + offsets.offset(edit.selectionStart()), textY,
                     left + offsets.offset(edit.selectionEnd()), textY + fontSize, selectionColor,
                     selection);
        out.quads(selection, 4, false);
    }
    if (!text.empty()) {
        // Only the characters in view: a long text costs no more than a short one.
        const float viewLeft = -left, viewRight = w - left;  // in the text's coordinates
        const size_t first = offsets.firstAbove(viewLeft);
        const size_t last = std::max(first, offsets.firstAtOrAbove(viewRight));
        const size_t from = GraphemeBreaks(text).previous(first);
        std::string shown = text.substr(from, last - from);
        if (password)
            shown.assign(countCharacters(shown), '*');
        out.text(shown.c_str(), left + offsets.offset(from), textY, fontSize, fontColor);
    } else if (!placeholder.empty() && focusElement != this) {
        out.text(placeholder.c_str(), inset(), textY, fontSize,
                 DisabledLook::faded(fontColor, bgColor));
    }
    if (focusElement == this) {
        const float caretX = snapToPixel(left + offsets.offset(edit.caret()));
        RecordedVertex caret[4];
        rectVertices(caretX, textY, caretX + p, textY + fontSize, caretColor, caret);
        out.quads(caret, 4, false);
    }
    out.popClip();
    if (hasKeyboardFocus(this))
        recordFocusFrame(out, w, h, focusColor);
}

// ============================================================================================
// Input
// ============================================================================================

void TextField::onMouseDown(int button) {
    TextElement::onMouseDown(button);
    if (button != 0)
        return;
    adoptOutsideText();
    float originX = 0, originY = 0;
    elementScreenPosition(this, originX, originY);
    edit.moveTo(positionAt(pointerX - originX), (heldModifiers & kModShift) != 0);
    keepCaretVisible();
}

void TextField::onMouseDrag(float localX, float) {
    edit.moveTo(positionAt(localX), true);
    keepCaretVisible();
}

bool TextField::onChar(unsigned int codepoint) {
    adoptOutsideText();
    const size_t before = edit.revision();
    edit.typeCharacter(codepoint);
    afterEdit(before);
    return true;
}

bool TextField::editKey(int key, bool shift, bool control) {
    switch (key) {
    case kKeyBackspace:
        edit.backspace();
        return true;
    case kKeyDelete:
        edit.deleteForward();
        return true;
    case kKeyLeft:
        edit.moveLeft(shift);
        return true;
    case kKeyRight:
        edit.moveRight(shift);
        return true;
    case kKeyHome:
        edit.moveHome(shift);
        return true;
    case kKeyEnd:
        edit.moveEnd(shift);
        return true;
    }
    if (!control)
        return false;
    switch (key) {
    case kKeyA:
        edit.selectAll();
        return true;
    case kKeyC:
        if (edit.hasSelection() && !password)
            writeClipboard(edit.selectedText());
        return true;
    case kKeyX:
        if (edit.hasSelection() && !password) {
            writeClipboard(edit.selectedText());
            edit.deleteSelection();
        }
        return true;
    case kKeyV:
        edit.insert(readClipboard());
        return true;
    }
    return false;
}

bool TextField::onKeyDown(int key) {
    if (key == kKeyTab)
        return false;
    adoptOutsideText();
    if (key == kKeyEnter) {
        submitCallback.fire(this);
        return true;
    }
    const size_t before = edit.revision();
    editKey(key, (heldModifiers & kModShift) != 0, (heldModifiers & kModControl) != 0);
    afterEdit(before);
    // Letters and the like arrive again as characters; the keys themselves are ours too, so
    // that an application behind the interface does not act on what is typed here.
    return true;
}

bool TextField::onKeyUp(int key) {
    return key != kKeyTab;
}

}  // namespace trellis
