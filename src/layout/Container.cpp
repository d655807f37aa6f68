// Containers: their look (nothing unless their own style gives a colour) and their attributes.
#include "trellis/layout/Container.h"

#include "diagnostics/DiagnosticText.h"
#include "trellis/gui/AttributeSource.h"
#include "trellis/gui/ElementSkin.h"
#include "trellis/style/SkinValues.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace trellis {

namespace {

// A spacing or padding: a number not below zero replaces field; any other is reported.
void readGap(const AttributeSource& element, const char* name, float& field) {
    float given = 0;
    if (!readNumberAttribute(element, name, given))
        return;
    if (given < 0)
        element.reportValue(name, quoted(element.find(name)) + " is below zero; ignored");
    else
        field = given;
}

bool parseContainerAlign(const char* text, ContainerAlign& align) {
    static const std::pair<const char*, ContainerAlign> names[] = {
        {"start", ContainerAlign::Start},
        {"center", ContainerAlign::Center},
        {"end", ContainerAlign::End},
        {"stretch", ContainerAlign::Stretch}};
    for (const auto& [name, value] : names)
        if (std::strcmp(text, name) == 0) {
            align = value;
            return true;
        }
    return false;
}

}  // namespace

Container::Container(const char* name, GuiElement* parent, const char* skinClass)
    : GuiElement(name, parent, 0, 0, 0, 0) {
    this->skinClass = skinClass;
    widthLength = Length::automatic();
    heightLength = Length::automatic();
    Container::applySkin(skinStore);
}

void Container::draw() {
    if (bgColor.rgba[3] != 0)
        GuiElement::draw();
}

bool Container::record(DrawRecorder& out) {
    if (bgColor.rgba[3] != 0)
        recordQuad(out);
    return true;
}

void Container::applySkin(SkinStore& store) {
    GuiElement::applySkin(store);
    // A container only arranges: the "global" colour that paints every element would cover
    // whatever lies behind it, so only its own name's or class's section can give it one.
    bgColor = Color{{0, 0, 0, 0}};
    for (const std::string& section : {name, std::string(skinClass)}) {
        const auto found = store.find(section);
        if (found == store.end())
            continue;
        const auto color = found->second.find("bgColor");
        if (color != found->second.end()) {
            bgColor = parseColorText(color->second.c_str());
            break;
        }
    }
    const SkinSections sections = skinSectionsOf(store, *this);
    applySkinReal(sections, "padding", padding);
    applySkinReal(sections, "spacing", spacing);
    padding = std::max(0.0f, padding);
    spacing = std::max(0.0f, spacing);
}

void Container::loadAttributes(const AttributeSource& element) {
    GuiElement::loadAttributes(element);
    readGap(element, "padding", padding);
    readGap(element, "spacing", spacing);
    if (const char* given = textAttribute(element, "align"))
        if (!parseContainerAlign(given, align))
            element.reportValue("align",
                                quoted(given) + " is not start, center, end or stretch; ignored");
}

std::vector<GuiElement*> Container::shownChildren() const {
    std::vector<GuiElement*> shown;
    for (GuiElement* child : children.oldestFirst())
        if (child->visible)
            shown.push_back(child);
    return shown;
}

void Container::place(GuiElement& child, float x, float y, float w, float h) {
    w = std::max(0.0f, w);
    h = std::max(0.0f, h);
    if (x != child.x || y != child.y || w != child.width || h != child.height)
        child.setRect(x, y, w, h);
}

float Container::alignedStart(float start, float room, float extent) const {
    switch (align) {
    case ContainerAlign::Center:
        return start + (room - extent) * 0.5f;
    case ContainerAlign::End:
        return start + room - extent;
    case ContainerAlign::Start:
    case ContainerAlign::Stretch:
        break;
    }
    return start;
}

}  // namespace trellis
