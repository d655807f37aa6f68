// Skin lookups for one element, and its state looks.
#include "trellis/gui/ElementSkin.h"

#include "gui/element/OwnStyles.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/style/SkinValues.h"

namespace trellis {

SkinSections skinSectionsOf(const SkinStore& store, const GuiElement& element, const char* state) {
    return SkinSections(store, element.name, element.skinClass, element.styleClasses, state,
                        ownStylesOf(element));
}

const char* findSkinAttribute(SkinStore& store, const GuiElement& element, const char* attribute) {
    return skinSectionsOf(store, element).find(attribute);
}

const char* findStateSkinAttribute(const GuiElement& element, const char* state,
                                   const char* attribute) {
    if (!state)
        return nullptr;
    return skinSectionsOf(skinStore, element, state).findInState(attribute);
}

bool hasStateLook(const GuiElement& element, const char* state) {
    return state && skinSectionsOf(skinStore, element, state).hasStateSection();
}

StateLook::StateLook(GuiElement& element, const char* state,
                     std::initializer_list<std::pair<const char*, Color*>> colors) {
    if (!state)
        return;
    const SkinSections sections = skinSectionsOf(skinStore, element, state);
    auto take = [&](const char* attribute, Color* field) {
        const char* value = sections.findInState(attribute);
        if (!value || count == kMostColors)
            return;
        saved[count++] = {field, *field};
        *field = parseColorText(value);
    };
    take("bgColor", &element.bgColor);
    for (const auto& [attribute, field] : colors)
        take(attribute, field);
    SkinImage image = element.skinImage;
    if (stateSkinImage(sections, image)) {
        restingImage = element.skinImage;
        imageOwner = &element;
        element.skinImage = image;
    }
}

StateLook::~StateLook() {
    if (imageOwner)
        imageOwner->skinImage = restingImage;
    while (count > 0) {
        --count;
        *saved[count].first = saved[count].second;
    }
}

}  // namespace trellis
