// The snapshot walk and its comparison.
#include "FrameSnapshot.h"

#include "TreeWalk.h"

#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/CheckBox.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Image.h"
#include "trellis/gui/InputRouting.h"
#include "trellis/gui/KeyboardFocus.h"
#include "trellis/gui/Label.h"
#include "trellis/gui/ListBox.h"
#include "trellis/gui/Menu.h"
#include "trellis/gui/MenuBar.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/ProgressBar.h"
#include "trellis/gui/RadioButton.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/Separator.h"
#include "trellis/gui/Slider.h"
#include "trellis/gui/TabPage.h"
#include "trellis/gui/Tabs.h"
#include "trellis/gui/TextElement.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"
#include "trellis/render/DebugLines.h"

#include <algorithm>
#include <functional>
#include <unordered_map>

namespace trellis {

namespace {

enum Flags {
    kPressed = 1,
    kBorder = 2,
    kUnknownType = 4,
    kFocus = 8,
    kCaret = 16,
    kChecked = 32,
    kScroll = 64,
    kDisabled = 128,
    kAlignShift = 8,      // hAlign << 8, vAlign << 12
    kOverflowShift = 16,  // overflow << 16
    kWrap = 1 << 18,
    // The states whose skin looks an element draws besides those above.
    kHovered = 1 << 19,
    kFocusWithin = 1 << 20
};

// The classes whose fields the walk reads, the text classes first, in the order of their types
// below.
enum KnownClass {
    kTextElementClass,
    kTitleBarClass,
    kButtonClass,
    kLabelClass,
    kCheckBoxClass,
    kTextFieldClass,
    kRadioButtonClass,  // the last text class
    kWindowClass,
    kSliderClass,
    kListBoxClass,
    kTabsClass,
    kMenuBarClass,
    kMenuClass,
    kTabPageClass,
    kProgressBarClass,
    kSeparatorClass,
    kImageClass,
    kPanelClass,
    kGuiElementClass,
    kGuiRootClass,
    kOtherClass
};

// Which known class type is, found once per type: comparing two type_infos compares their
// names, and every element of every frame asks.
KnownClass knownClass(const std::type_info& type) {
    static const std::type_info* const known[] = {
        &typeid(TextElement), &typeid(TitleBar),  &typeid(Button),      &typeid(Label),
        &typeid(CheckBox),    &typeid(TextField), &typeid(RadioButton), &typeid(Window),
        &typeid(Slider),      &typeid(ListBox),   &typeid(Tabs),        &typeid(MenuBar),
        &typeid(Menu),        &typeid(TabPage),   &typeid(ProgressBar), &typeid(Separator),
        &typeid(Image),       &typeid(Panel),     &typeid(GuiElement),  &typeid(GuiRoot)};
    static std::unordered_map<const std::type_info*, KnownClass> found;
    static const std::type_info* lastType = nullptr;
    static KnownClass last = kOtherClass;
    if (&type == lastType)
        return last;
    auto at = found.find(&type);
    if (at == found.end()) {
        KnownClass which = kOtherClass;
        for (size_t i = 0; i < sizeof known / sizeof known[0]; ++i)
            if (type == *known[i]) {
                which = KnownClass(i);
                break;
            }
        at = found.emplace(&type, which).first;
    }
    lastType = &type;
    last = at->second;
    return last;
}

bool isTextClass(KnownClass c) {
    return c <= kRadioButtonClass;
}

// The text of an element that shows none.
const std::string& noText() {
    static const std::string none;
    return none;
}

template <typename T, size_t N> bool sameArrays(const T (&a)[N], const T (&b)[N]) {
    return std::equal(a, a + N, b);
}

}  // namespace

void FrameSnapshot::forget() {
    valid = false;
}

void FrameSnapshot::compareEntry(const Entry& n, const std::string& text,
                                 const std::string& fontName) {
    if (at >= entries.size()) {
        entries.push_back(n);
        entries.back().text = text;
        entries.back().fontName = fontName;
        changes.structure = true;
        ++at;
        return;
    }
    Entry& o = entries[at];
    if (o.element != n.element || o.type != n.type || (n.flags & kUnknownType))
        changes.structure = true;
    const bool same = o.x == n.x && o.y == n.y && o.width == n.width && o.height == n.height &&
                      o.u0 == n.u0 && o.v0 == n.v0 && o.u1 == n.u1 && o.v1 == n.v1 &&
                      o.fontSize == n.fontSize && o.placeX == n.placeX && o.placeY == n.placeY &&
                      o.texture == n.texture && o.bg == n.bg && o.font == n.font &&
                      o.border == n.border && o.flags == n.flags && o.picture == n.picture &&
                      o.skinImage == n.skinImage && sameArrays(o.more, n.more) &&
                      sameArrays(o.moreColors, n.moreColors) && o.text == text &&
                      o.fontName == fontName;
    if (!same || changes.structure) {
        // The strings go into the buffers the entry had: texts that change every frame then
        // allocate nothing.
        std::string keptText = std::move(o.text), keptFont = std::move(o.fontName);
        o = n;
        keptText.assign(text);
        keptFont.assign(fontName);
        o.text = std::move(keptText);
        o.fontName = std::move(keptFont);
        changes.changed.push_back(uint32_t(at));
    }
    ++at;
}

void FrameSnapshot::classFields(GuiElement* e, const std::type_info& type, Entry& n,
                                const std::string*& text, const std::string*& fontName) {
    const KnownClass known = knownClass(type);
    if (hasKeyboardFocus(e))
        n.flags |= kFocus;
    if (isTextClass(known)) {
        auto* t = static_cast<TextElement*>(e);
        n.fontSize = t->fontSize;
        n.font = t->fontColor;
        n.flags |= int(t->hAlign) << kAlignShift | int(t->vAlign) << (kAlignShift + 4) |
                   int(t->overflow) << kOverflowShift;
        // Compared in place, copied only when they changed; the faces a name stands for are
        // counted in textFontChanges().
        text = &t->text;
        fontName = &t->font;
    }
    if (known == kLabelClass)
        n.flags |= static_cast<Label*>(e)->wrap ? kWrap : 0;
    if (known == kButtonClass) {
        n.flags |= static_cast<Button*>(e)->pressed ? kPressed : 0;
    } else if (known == kWindowClass) {
        auto* w = static_cast<Window*>(e);
        n.flags |= w->border ? kBorder : 0;
        for (const GuiElement* inside = focusElement; inside; inside = inside->parent)
            if (inside == w)
                n.flags |= kFocusWithin;
        n.border = w->borderColor;
    } else if (known == kCheckBoxClass || known == kRadioButtonClass) {
        auto* c = static_cast<CheckBox*>(e);
        n.flags |= c->checked ? kChecked : 0;
        n.moreColors[0] = c->checkColor;
        n.moreColors[1] = c->focusColor;
    } else if (known == kSliderClass) {
        auto* s = static_cast<Slider*>(e);
        n.more[0] = s->thumbCentre();
        n.more[1] = s->thumbWidth();
        n.moreColors[0] = s->trackColor;
        n.moreColors[1] = s->fillColor;
        n.moreColors[2] = s->thumbColor;
        n.moreColors[3] = s->focusColor;
    } else if (known == kTextFieldClass) {
        auto* f = static_cast<TextField*>(e);
        n.flags |= focusElement == e ? kCaret : 0;
        // It draws text (taking up the model's text as its own); the model places the caret.
        n.more[0] = float(f->edit.caret());
        n.more[1] = float(f->edit.selectionStart());
        n.more[2] = float(f->edit.selectionEnd());
        n.more[3] = f->scrollX;
        n.more[4] = f->password ? 1.0f : 0.0f;
        // The placeholder shows only while the text is empty: told apart by its hash.
        n.more[5] = f->text.empty() ? float(std::hash<std::string>()(f->placeholder)) : 0.0f;
        n.moreColors[0] = f->caretColor;
        n.moreColors[1] = f->selectionColor;
        n.moreColors[2] = f->frameColor;
        n.moreColors[3] = f->focusColor;
    } else if (known == kListBoxClass) {
        // Its items, selection and scroll are counted in its revision rather than copied: a
        // list of any length costs the same here.
        auto* l = static_cast<ListBox*>(e);
        n.more[0] = float(l->revision() & 0xffffu);
        n.more[1] = float(l->revision() >> 16);
        n.more[2] = l->fontSize;
        n.more[3] = l->barWidth;
        n.border = l->selectionColor;
        n.font = l->fontColor;
        n.moreColors[0] = l->selectedFontColor;
        n.moreColors[1] = l->barColor;
        n.moreColors[2] = l->thumbColor;
        n.moreColors[3] = l->focusColor;
    } else if (known == kTabsClass) {
        auto* t = static_cast<Tabs*>(e);
        n.more[0] = float(t->current());
        n.fontSize = t->fontSize;
        n.font = t->fontColor;
        n.moreColors[0] = t->tabColor;
        n.moreColors[1] = t->activeTabColor;
        n.moreColors[2] = t->focusColor;
        text = &t->titles();  // the strip shows its pages' titles
    } else if (known == kMenuBarClass) {
        auto* b = static_cast<MenuBar*>(e);
        n.more[0] = float(b->highlighted());
        n.fontSize = b->fontSize;
        n.font = b->fontColor;
        n.moreColors[0] = b->highlightColor;
        n.moreColors[1] = b->focusColor;
        // Which menu is open shows in the strip.
        const std::vector<Menu*> menus = b->menus();
        for (size_t i = 0; i < menus.size(); ++i)
            if (menus[i]->isOpen())
                n.more[1] = float(i + 1);
        text = &b->titles();
    } else if (known == kMenuClass) {
        auto* m = static_cast<Menu*>(e);
        n.more[0] = float(m->highlighted());
        n.more[1] = float(m->entries().size());
        n.fontSize = m->fontSize;
        n.font = m->fontColor;
        n.moreColors[0] = m->highlightColor;
        n.moreColors[1] = m->separatorColor;
        text = &m->text;
    } else if (known == kTabPageClass) {
        // A container: its quad alone, which the fields above hold.
    } else if (known == kProgressBarClass) {
        auto* b = static_cast<ProgressBar*>(e);
        n.more[0] = b->fillWidth();
        n.moreColors[0] = b->fillColor;
        n.moreColors[1] = b->frameColor;
    } else if (known == kSeparatorClass) {
        n.moreColors[0] = static_cast<Separator*>(e)->lineColor;
    } else if (known == kImageClass) {
        n.picture = static_cast<Image*>(e)->shownPicture();
    } else if (known == kPanelClass) {
        auto* p = static_cast<Panel*>(e);
        n.flags |= p->scroll ? kScroll : 0;
        // The scroll bar's place follows the children's extent as well as the panel's own.
        n.more[0] = p->childrenScrollY();
        n.more[1] = p->contentHeight();
        n.more[2] = p->barWidth;
        n.moreColors[0] = p->barColor;
        n.moreColors[1] = p->thumbColor;
    } else if (known == kOtherClass) {
        // What another class draws is not known here.
        n.flags |= kUnknownType;
    }
}

void FrameSnapshot::walk(GuiElement* e, float placeX, float placeY) {
    const std::type_info& type = typeid(*e);
    Entry n{};
    n.element = e;
    n.type = &type;
    n.x = e->x, n.y = e->y, n.width = e->width, n.height = e->height;
    n.u0 = e->u0, n.v0 = e->v0, n.u1 = e->u1, n.v1 = e->v1;
    // A parent moved or scrolled moves its children, wherever they lie.
    n.placeX = placeX + e->x;
    n.placeY = placeY + e->y;
    n.texture = e->texture;
    n.bg = e->bgColor;
    n.skinImage = e->skinImage;
    // The classes with a hover look: the pointer's coming and going may change them.
    if (hoveredElement == e) {
        const KnownClass known = knownClass(type);
        if (known == kButtonClass || known == kCheckBoxClass || known == kRadioButtonClass)
            n.flags |= kHovered;
    }
    const std::string *text = &noText(), *fontName = &noText();
    classFields(e, type, n, text, fontName);
    n.flags |= isEnabledInTree(e) ? 0 : kDisabled;
    compareEntry(n, *text, *fontName);
    const float childY = n.placeY - e->childrenScrollY();
    visitVisibleChildren(*e, [&](GuiElement* child) { walk(child, n.placeX, childY); });
}

const FrameChanges& FrameSnapshot::compare(GuiElement* root, bool debugLines,
                                           const RecordStart& start) {
    changes.any = false;
    changes.structure = !valid;
    changes.changed.clear();
    at = 0;
    if (root)
        walk(root, 0, 0);
    if (debugLines) {
        DebugLine lines[kMaxDebugLines];
        char pointerLine[128];
        const int count = currentDebugLines(lines, pointerLine);
        std::string all;
        for (int i = 0; i < count; ++i)
            (all += lines[i].text) += '\n';
        Entry n{};
        compareEntry(n, all, noText());
    }
    if (at != entries.size()) {
        entries.resize(at);
        changes.structure = true;
    }
    // Globals that drawing reads: pixel grid, frame width, font, and the starting GL state.
    newGlobals.assign(start.projection, start.projection + 16);
    const float more[] = {
        float(start.viewport[0]), float(start.viewport[1]), float(start.viewport[2]),
        float(start.viewport[3]), start.depthStep, pixelSize, borderWidth, currentTextSize,
        float(fontLoaded), float(textureName), float(glyphTable.size()), float(textFontChanges()),
        float(debugLines),
        // State looks and skin pictures read the store and the atlas as
        // they draw.
        float(skinStoreRevision() & 0xffffffu), float(skinImageGeneration() & 0xffffffu)};
    newGlobals.insert(newGlobals.end(), more, more + sizeof more / sizeof more[0]);
    if (newGlobals != globals || glyphs != glyphTable.data()) {
        globals.swap(newGlobals);
        glyphs = glyphTable.data();
        changes.structure = true;
    }
    changes.any = changes.structure || !changes.changed.empty();
    valid = true;
    return changes;
}

}  // namespace trellis
