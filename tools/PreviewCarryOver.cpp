// Carrying moved windows and typed texts over a reload of the preview.
#include "PreviewCarryOver.h"

#include "trellis/gui/GuiElement.h"
#include "trellis/gui/Spinbox.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/Window.h"

#include <functional>
#include <vector>

namespace trellis {

namespace {

using Visit = std::function<void(GuiElement&, const std::string& path)>;

// Calls visit with each element of siblings and their subtrees, and its path under parentPath.
void forEachWithPath(const std::vector<GuiElement*>& siblings, const std::string& parentPath,
                     const Visit& visit) {
    std::map<std::string, int> seen;  // how many siblings of each name came before
    for (GuiElement* element : siblings) {
        const std::string name = element->name.empty() ? element->skinClass : element->name;
        const std::string path = parentPath + "/" + name + "#" + std::to_string(seen[name]++);
        visit(*element, path);
        forEachWithPath(element->children.oldestFirst(), path, visit);
    }
}

// Whether element's position is a number of units, as a drag leaves it.
bool inUnits(const GuiElement& element) {
    return element.xLength.isUnits() && element.yLength.isUnits();
}

Window* movableWindow(GuiElement& element) {
    auto* window = dynamic_cast<Window*>(&element);
    return window && window->movable ? window : nullptr;
}

// A text field the user types into; a spinbox's text follows its value instead.
TextField* typedField(GuiElement& element) {
    auto* field = dynamic_cast<TextField*>(&element);
    return field && !dynamic_cast<Spinbox*>(field) ? field : nullptr;
}

}  // namespace

void PreviewCarryOver::takeFrom(const LoadedDialogue& shown) {
    moved.clear();
    typed.clear();
    forEachWithPath(shown.elements, "", [this](GuiElement& element, const std::string& path) {
        const auto built = asBuilt.find(path);
        if (built == asBuilt.end())
            return;
        const AsBuilt& was = built->second;
        // A drag leaves the position in units; a window placed in percent that only followed a
        // resize of the preview keeps its percentages, and has not been moved.
        const bool dragged =
            inUnits(element) && (!was.inUnits || element.x != was.x || element.y != was.y);
        if (movableWindow(element) && dragged)
            moved[path] = {element.x, element.y};
        if (const TextField* field = typedField(element))
            if (field->text != was.text)
                typed[path] = field->text;
    });
}

void PreviewCarryOver::carryInto(const LoadedDialogue& built) {
    asBuilt.clear();
    forEachWithPath(built.elements, "", [this](GuiElement& element, const std::string& path) {
        Window* window = movableWindow(element);
        TextField* field = typedField(element);
        if (!window && !field)
            return;
        asBuilt[path] =
            AsBuilt{element.x, element.y, inUnits(element), field ? field->text : std::string()};
        const auto place = moved.find(path);
        if (window && place != moved.end())
            window->moveWithinParent(place->second.first, place->second.second);
        const auto text = typed.find(path);
        if (field && text != typed.end())
            field->setText(text->second);
    });
    moved.clear();
    typed.clear();
}

}  // namespace trellis
