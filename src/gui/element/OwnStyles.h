// The styles a dialogue file gives its named elements: each such element reads its own
// attributes before any skin section, and they go when the element goes.
#pragma once

#include "trellis/style/SkinStore.h"

#include <string>

namespace trellis {

class GuiElement;

// While one lives, the first element constructed under name takes section as its own styles.
class OwnStylesForNext {
public:
    OwnStylesForNext(const char* name, SkinSection section);
    ~OwnStylesForNext();

    OwnStylesForNext(const OwnStylesForNext&) = delete;
    OwnStylesForNext& operator=(const OwnStylesForNext&) = delete;
};

// Gives element the styles waiting for its name, if any; the GuiElement constructor calls it
// before the first skin lookup.
void adoptOwnStyles(const GuiElement& element);

// Drops element's own styles; the GuiElement destructor calls it.
void forgetOwnStyles(const GuiElement& element);

// element's own styles, or null when it has none.
const SkinSection* ownStylesOf(const GuiElement& element);

}  // namespace trellis
