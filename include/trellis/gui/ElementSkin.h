// Skin lookups for one element: its own styles from its dialogue file, its name's section, its
// style classes', its skin class's, then "global"; and the look of an element in a state
// ("hover", "pressed", ...).
#pragma once

#include "trellis/gui/SkinImage.h"
#include "trellis/style/Color.h"
#include "trellis/style/SkinStore.h"

#include <initializer_list>
#include <utility>

namespace trellis {

class GuiElement;

// The sections that element's lookups consult, in that order; with state, each preceded by its
// state section (SkinStore.h).
SkinSections skinSectionsOf(const SkinStore& store, const GuiElement& element,
                            const char* state = nullptr);

// The value of attribute for element: its own styles, its name section, its skin class, then
// "global".
// Null when none holds it. The text stays valid until the store next changes.
const char* findSkinAttribute(SkinStore& store, const GuiElement& element, const char* attribute);

// What element's look in state changes: the value of attribute when the first of element's
// sections holding it, state sections included, is a state section ("button:hover" before
// "button"; "okButton" outranks "button:hover"), else null, and the element draws as it rests.
// The states the classes draw: see the table in the README's skin guide.
const char* findStateSkinAttribute(const GuiElement& element, const char* state,
                                   const char* attribute);

// Whether element's skin has a look for state: a state section among those its lookups consult
// in that state ("button:disabled", "okButton:disabled", ".primary:disabled").
bool hasStateLook(const GuiElement& element, const char* state);

// While it lives, element's bgColor, its skin picture and the colour fields given (attribute
// name and field) hold the look of state, as findStateSkinAttribute finds it; put back when it
// ends. No state (null) changes nothing. Drawing code makes one around what it draws.
class StateLook {
public:
    StateLook(GuiElement& element, const char* state,
              std::initializer_list<std::pair<const char*, Color*>> colors = {});
    ~StateLook();
    StateLook(const StateLook&) = delete;
    StateLook& operator=(const StateLook&) = delete;

    // Whether the state gave the element a picture or slices of its own.
    bool changedImage() const { return imageOwner != nullptr; }

private:
    static constexpr int kMostColors = 6;
    std::pair<Color*, Color> saved[kMostColors];  // field and its resting value
    int count = 0;
    GuiElement* imageOwner = nullptr;  // the element whose resting picture restingImage holds
    SkinImage restingImage;
};

}  // namespace trellis
