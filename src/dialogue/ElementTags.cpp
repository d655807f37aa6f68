// The table of the program's element tags, and building from it.
#include "trellis/dialogue/ElementTags.h"

#include "dialogue/ElementTagTable.h"
#include "trellis/gui/GuiElement.h"
#include "trellis/style/SkinStore.h"

#include <cstring>
#include <set>
#include <unordered_map>

namespace trellis {

namespace {

std::unordered_map<std::string, ElementFactory>& factories() {
    static std::unordered_map<std::string, ElementFactory> table;
    return table;
}

// The stand-in tags; a set, so that each tag's text stays put as the elements' skin class.
std::set<std::string>& standInTags() {
    static std::set<std::string> tags;
    return tags;
}

// The element a checker builds for a stand-in tag: a plain quad of the tag's skin class.
class StandIn : public GuiElement {
public:
    StandIn(const char* name, GuiElement* parent, const char* tag)
        : GuiElement(name, parent, 0, 0, 10, 2) {
        skinClass = tag;
    }
};

}  // namespace

const std::vector<const char*>& builtInTags() {
    static const std::vector<const char*> tags = {
        "window", "button", "textfield", "panel",   "label", "checkbox", "slider",
        "image",  "row",    "column",    "grid",    "listbox", "item",   "tabs",
        "tab",    "menubar", "menu",     "separator", "progress", "radio", "spinbox",
        "dropdown", "option"};
    return tags;
}

bool isBuiltInTag(const char* tag) {
    for (const char* builtIn : builtInTags())
        if (std::strcmp(tag, builtIn) == 0)
            return true;
    return false;
}

bool registerElementTag(const char* tag, ElementFactory factory) {
    if (!tag || !*tag || isBuiltInTag(tag) || !factory)
        return false;
    factories()[tag] = std::move(factory);
    return true;
}

void unregisterElementTag(const char* tag) {
    if (tag)
        factories().erase(tag);
}

GuiElement* buildTaggedElement(const char* tag, const AttributeSource& attributes, const char* name,
                               GuiElement* parent) {
    const auto found = factories().find(tag);
    if (found == factories().end())
        return nullptr;
    // A copy: the factory may register or forget tags while it runs.
    const ElementFactory factory = found->second;
    GuiElement* built = factory(name, parent, attributes);
    // The base constructor's skin lookups reach only the base class's applySkin; the finished
    // object's own one reads the class's style values too.
    if (built)
        built->applySkin(skinStore);
    return built;
}

void registerStandInTag(const std::string& tag) {
    if (tag.empty() || isBuiltInTag(tag.c_str()))
        return;
    const std::string& kept = *standInTags().insert(tag).first;
    registerElementTag(
        kept.c_str(),
        [&kept](const char* name, GuiElement* parent, const AttributeSource&) -> GuiElement* {
            return new StandIn(name, parent, kept.c_str());
        });
}

bool isStandInTag(const char* tag) {
    return standInTags().count(tag) != 0;
}

}  // namespace trellis
