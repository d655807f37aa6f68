// The faded look of disabled elements.
#include "trellis/gui/DisabledLook.h"

#include "trellis/gui/ElementSkin.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/gui/SkinClasses.h"

#include <algorithm>

namespace trellis {

bool drawsFaded(const GuiElement& element) {
    if (isEnabledInTree(&element))
        return false;
    const std::vector<std::string> states = lookStatesOf(element.skinClass);
    const bool drawsDisabled = std::find(states.begin(), states.end(), "disabled") != states.end();
    return !drawsDisabled || !hasStateLook(element, "disabled");
}

Color DisabledLook::faded(const Color& color, const Color& background) {
    Color mixed = color;
    for (int i = 0; i < 3; ++i)
        mixed.rgba[i] = static_cast<unsigned char>((color.rgba[i] + background.rgba[i] + 1) / 2);
    return mixed;
}

const RecordedVertex* DisabledLook::fade(const RecordedVertex* vertices, int count) {
    scratch.assign(vertices, vertices + count);
    for (RecordedVertex& v : scratch)
        v.color = faded(v.color, background);
    return scratch.data();
}

void DisabledLook::quads(const RecordedVertex* vertices, int count, bool textured) {
    out.quads(fade(vertices, count), count, textured);
}

void DisabledLook::lines(const RecordedVertex* vertices, int count) {
    out.lines(fade(vertices, count), count);
}

void DisabledLook::text(const char* text, float x, float y, float size, const Color& color) {
    out.text(text, x, y, size, faded(color, background));
}

void DisabledLook::pictureQuads(const RecordedVertex* vertices, int count, unsigned int texture,
                                bool blended) {
    out.pictureQuads(fade(vertices, count), count, texture, blended);
}

void DisabledLook::pushClip(float x, float y, float width, float height) {
    out.pushClip(x, y, width, height);
}

void DisabledLook::popClip() {
    out.popClip();
}

}  // namespace trellis
