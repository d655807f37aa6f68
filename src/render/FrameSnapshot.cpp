// The snapshot walk and its comparison.
#include "FrameSnapshot.h"

#include "trellis/font/FontChain.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/ScreenUnits.h"
#include "trellis/gui/TextElement.h"
#include "trellis/gui/TitleBar.h"
#include "trellis/gui/Window.h"
#include "trellis/render/DebugLines.h"

namespace trellis {

namespace {

enum Flags { kPressed = 1, kBorder = 2, kUnknownType = 4 };

bool isTextType(const std::type_info& t) {
    return t == typeid(TextElement) || t == typeid(TitleBar) || t == typeid(Button);
}

}  // namespace

void FrameSnapshot::forget() {
    valid = false;
}

void FrameSnapshot::compareEntry(const Entry& n, const std::string& text) {
    if (at >= entries.size()) {
        entries.push_back(n);
        entries.back().text = text;
        changes.structure = true;
        ++at;
        return;
    }
    Entry& o = entries[at];
    if (o.element != n.element || o.type != n.type || (n.flags & kUnknownType))
        changes.structure = true;
    const bool same = o.x == n.x && o.y == n.y && o.width == n.width && o.height == n.height &&
                      o.u0 == n.u0 && o.v0 == n.v0 && o.u1 == n.u1 && o.v1 == n.v1 &&
                      o.fontSize == n.fontSize && o.texture == n.texture && o.bg == n.bg &&
                      o.font == n.font && o.border == n.border && o.flags == n.flags &&
                      o.text == text;
    if (!same || changes.structure) {
        std::string kept = std::move(o.text);
        o = n;
        if (kept == text)
            o.text = std::move(kept);
        else
            o.text = text;
        changes.changed.push_back(uint32_t(at));
    }
    ++at;
}

void FrameSnapshot::walk(GuiElement* e) {
    const std::type_info& type = typeid(*e);
    Entry n{e,     &type, e->x,       e->y,       e->width, e->height, e->u0, e->v0, e->u1,
            e->v1, 0,     e->texture, e->bgColor, {},       {},        0,     {}};
    static const std::string noText;
    const std::string* text = &noText;
    if (isTextType(type)) {
        auto* t = static_cast<TextElement*>(e);
        n.fontSize = t->fontSize;
        n.font = t->fontColor;
        n.flags |= int(t->hAlign) << 4 | int(t->vAlign) << 8;
        text = &t->text;  // compared in place, copied only when it changed
        if (type == typeid(Button))
            n.flags |= static_cast<Button*>(e)->pressed ? kPressed : 0;
    } else if (type == typeid(Window)) {
        auto* w = static_cast<Window*>(e);
        n.flags |= w->border ? kBorder : 0;
        n.border = w->borderColor;
    } else if (type != typeid(GuiElement) && type != typeid(GuiRoot)) {
        // What another class draws is not known here.
        n.flags |= kUnknownType;
    }
    compareEntry(n, *text);
    for (GuiElement* child : e->children.oldestFirst())
        if (child->visible)
            walk(child);
}

const FrameChanges& FrameSnapshot::compare(GuiElement* root, bool debugLines,
                                           const RecordStart& start) {
    changes.any = false;
    changes.structure = !valid;
    changes.changed.clear();
    at = 0;
    if (root)
        walk(root);
    if (debugLines) {
        DebugLine lines[kMaxDebugLines];
        char pointerLine[128];
        const int count = currentDebugLines(lines, pointerLine);
        std::string all;
        for (int i = 0; i < count; ++i)
            (all += lines[i].text) += '\n';
        Entry n{};
        compareEntry(n, all);
    }
    if (at != entries.size()) {
        entries.resize(at);
        changes.structure = true;
    }
    // Globals that drawing reads: pixel grid, frame width, font, and the starting GL state.
    newGlobals.assign(start.projection, start.projection + 16);
    const float more[] = {float(start.viewport[0]),
                          float(start.viewport[1]),
                          float(start.viewport[2]),
                          float(start.viewport[3]),
                          start.depthStep,
                          pixelSize,
                          borderWidth,
                          currentTextSize,
                          float(fontLoaded),
                          float(textureName),
                          float(glyphTable.size()),
                          float(textFontChanges()),
                          float(debugLines)};
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
