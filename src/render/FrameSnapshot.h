// FrameSnapshot: everything a frame's drawing reads (every drawn field of every visible element
// in painter's order, the debug lines, the pixel grid, the font and the GL state the frame starts
// from), kept from one frame to the next and compared, so that an unchanged frame is known
// without trusting any change notification: the fields are public and may change at any time.
#pragma once

#include "TreeRecorder.h"

#include "trellis/gui/SkinImage.h"
#include "trellis/style/Color.h"

#include <cstdint>
#include <string>
#include <typeinfo>
#include <vector>

namespace trellis {

class GuiElement;

// What changed since the last compare.
struct FrameChanges {
    bool any = true;                // something changed (always true for the first frame)
    bool structure = true;          // the sequence of drawn elements, a global, or an element that
                                    // cannot be compared (not a built-in class) changed
    std::vector<uint32_t> changed;  // otherwise: indices (in painter's order, the debug lines
                                    // last) of the entries that changed
};

// One walk per frame.
class FrameSnapshot {
public:
    // Walks root's tree as drawing does, compares with the last walk and keeps the new state.
    const FrameChanges& compare(GuiElement* root, bool debugLines, const RecordStart& start);
    void forget();  // the next compare reports everything changed

private:
    static constexpr int kMoreValues = 6, kMoreColors = 4;
    struct Entry {
        const GuiElement* element;
        const std::type_info* type;
        float x, y, width, height, u0, v0, u1, v1, fontSize;
        float placeX, placeY;  // where its origin lands: its ancestors' places and scrolls
        unsigned int texture;
        Color bg, font, border;
        int flags;  // pressed, border, alignments, overflow, wrap, focus, checked, scroll, hovered
        // What a class draws from beyond those: values (a slider's thumb, a text field's caret
        // and selection, a panel's scroll), colours, the picture shown.
        float more[kMoreValues];
        Color moreColors[kMoreColors];
        const void* picture;
        SkinImage skinImage;
        std::string text;
        std::string fontName;  // the named font its text is drawn with
    };
    // The fields of the classes beyond GuiElement's, into n (text: what it draws as text;
    // fontName: the named font it draws it with).
    static void classFields(GuiElement* e, const std::type_info& type, Entry& n,
                            const std::string*& text, const std::string*& fontName);
    void walk(GuiElement* e, float placeX, float placeY);
    void compareEntry(const Entry& now, const std::string& text, const std::string& fontName);

    std::vector<Entry> entries;
    std::vector<float> globals;
    std::vector<float> newGlobals;
    const void* glyphs = nullptr;  // the font's glyph table
    size_t at = 0;
    FrameChanges changes;
    bool valid = false;
};

}  // namespace trellis
