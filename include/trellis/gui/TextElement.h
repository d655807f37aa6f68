// TextElement: an element showing one aligned string over its quad.
#pragma once

#include "trellis/font/NamedFonts.h"
#include "trellis/gui/GuiElement.h"

#include <cstdint>
#include <string>
#include <typeinfo>
#include <vector>

namespace trellis {

// Placement of text along one axis of its element.
enum class TextAlign : int32_t {
    Start = 0,   // left or top, inset by a quarter of the font size when there is room
    Center = 1,  // centred
    End = 2,     // right or bottom, inset by a quarter of the font size when there is room
};

// What a text wider than the room its element gives it does.
enum class TextOverflow : int32_t {
    Visible = 0,   // drawn whole, past the element's edges
    Clip = 1,      // cut off at the element's edges
    Ellipsis = 2,  // cut short between two characters, an ellipsis after
};

// The overflow an "overflow" text names ("visible", "clip", "ellipsis"); false (overflow
// untouched) for any other text.
bool parseOverflowText(const char* text, TextOverflow& overflow);

// Reads the "overflow" attribute into overflow; a text it does not name is reported and
// ignored. Gives whether the attribute is there.
bool readOverflowAttribute(const AttributeSource& element, TextOverflow& overflow);

// The offset of text along one axis of its element, given the room left over (the element's
// extent less the text's) and the inset of Start and End.
float alignedTextOffset(TextAlign align, float room, float inset);

// An element with a text, its font colour and size, and its alignment.
class TextElement : public GuiElement {
public:
    // Like GuiElement's constructor, then text defaults and the skin's "fontColor". text may be
    // null.
    TextElement(const char* name, GuiElement* parent, const char* text, float x, float y,
                float width, float height);

    void draw() override;  // the quad, then the aligned text
    // Adds fontSize, fontColor, font and overflow.
    void loadAttributes(const AttributeSource& element) override;
    void applySkin(SkinStore& store) override;  // adds fontColor, fontSize and font
    bool record(DrawRecorder& out) override;    // a plain TextElement: the quad and the text

    Color fontColor{{0, 0, 0, 255}};                // text colour
    float fontSize;                                 // line height, screen units
    std::string text;                               // the text shown
    TextAlign hAlign = TextAlign::Start;            // horizontal placement
    TextAlign vAlign = TextAlign::Center;           // vertical placement
    TextOverflow overflow = TextOverflow::Visible;  // text wider than its room
    std::string font;  // a face a skin declares by name, drawn before the others; "": none

    // The width the text may take: the element's, less the insets.
    virtual float textRoom() const;
    // The text as drawn: text itself, or with its lines fitted to textRoom() as overflow (and a
    // label's wrap) asks.
    const std::string& shownText();

protected:
    // Lays text out with the element's own font (its chain) for as long as it lives.
    ScopedFontChain ownFont() const { return ScopedFontChain(namedFontChain(font)); }
    void recordText(DrawRecorder& out);  // the text, as draw() draws it after the quad
    // Records line at (x, y), cut to the element's rectangle when overflow is Clip.
    void recordTextRun(DrawRecorder& out, const std::string& line, float x, float y);
    // Whether the lines are broken to fit the room (a label's wrap).
    virtual bool wrapsText() const { return false; }
    // Reports (a warning, once for this element) each character of its text no font can draw.
    void reportUndrawable();
    // Records the quad and the text when this element's dynamic type is exactly type.
    bool recordTextLook(const std::type_info& type, DrawRecorder& out);

private:
    // The snapped top-left corner of the aligned text; false for an empty text.
    bool textCorner(float& dx, float& dy);

    // The last fitting, kept while the text, the room, the size and the font stay the same.
    struct Fitted {
        std::string source, shown;
        float room = -1, size = 0, width = -1;
        int how = -1;
    } fitted;
    size_t checkedText = 0;              // the text and fonts last checked, hashed
    std::vector<unsigned int> reported;  // characters reported as undrawable
};

}  // namespace trellis
