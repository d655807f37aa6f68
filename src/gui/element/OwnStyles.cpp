// Each element's own styles, and the styles waiting for the next element of a name.
#include "gui/element/OwnStyles.h"

#include "state/KeptVariable.h"
#include "trellis/gui/GuiElement.h"

#include <optional>
#include <unordered_map>

namespace trellis {

namespace {

struct Waiting {
    std::string name;
    SkinSection section;
};

// Never destroyed: elements may still be destroyed while the program exits.
auto& stylesByElement = *new std::unordered_map<const GuiElement*, SkinSection>();
const bool perInterface = keepPerInterface(stylesByElement);

std::unordered_map<const GuiElement*, SkinSection>& ownStyles() {
    return stylesByElement;
}

std::optional<Waiting> waiting;  // the styles for the next element of a name, while asked

}  // namespace

OwnStylesForNext::OwnStylesForNext(const char* name, SkinSection section) {
    waiting = Waiting{name, std::move(section)};
}

OwnStylesForNext::~OwnStylesForNext() {
    waiting.reset();
}

void adoptOwnStyles(const GuiElement& element) {
    // Only the first of the name: a window's own title bar is built inside its constructor.
    if (!waiting || waiting->name != element.name)
        return;
    ownStyles()[&element] = std::move(waiting->section);
    waiting.reset();
}

void forgetOwnStyles(const GuiElement& element) {
    ownStyles().erase(&element);
}

const SkinSection* ownStylesOf(const GuiElement& element) {
    const auto& styles = ownStyles();
    if (styles.empty())
        return nullptr;
    auto found = styles.find(&element);
    return found == styles.end() ? nullptr : &found->second;
}

}  // namespace trellis
