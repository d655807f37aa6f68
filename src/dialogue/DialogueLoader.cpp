// The dialogue walk: depth first in document order over an explicit stack.
#include "trellis/dialogue/DialogueLoader.h"

#include "dialogue/DialogueChecks.h"
#include "dialogue/ElementTagTable.h"
#include "dialogue/XmlAttributes.h"
#include "files/XmlFile.h"
#include "gui/element/OwnStyles.h"
#include "gui/look/PictureLoad.h"
#include "style/SkinLookupLog.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/CheckBox.h"
#include "trellis/gui/Dropdown.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/gui/Image.h"
#include "trellis/gui/ItemHolder.h"
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
#include "trellis/gui/Spinbox.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/Window.h"
#include "trellis/layout/Column.h"
#include "trellis/layout/Container.h"
#include "trellis/layout/Grid.h"
#include "trellis/layout/LayoutPass.h"
#include "trellis/layout/Row.h"
#include "trellis/style/SkinStore.h"

#include <cstring>
#include <memory>
#include <optional>
#include <tinyxml.h>
#include <vector>

namespace trellis {

namespace {

// The attributes of element, as a style section.
SkinSection attributeSection(const TiXmlElement& element) {
    SkinSection section;
    for (const TiXmlAttribute* attribute = element.FirstAttribute(); attribute;
         attribute = attribute->Next())
        section[attribute->NameTStr()] = attribute->ValueStr();
    return section;
}

// The element an XML element of tag stands for under parent (one of the program's tags too), or
// null for a tag that builds nothing. Constructor arguments are read through attributes, so that
// they count as read.
GuiElement* buildElement(const char* tag, const XmlAttributes& attributes, const char* name,
                         GuiElement* parent) {
    if (std::strcmp(tag, "window") == 0)
        return new Window(name, parent, attributes.find("title"));
    if (std::strcmp(tag, "button") == 0) {
        const char* text = attributes.find("text");
        return new Button(name, parent, text ? text : "", 0, 0, 3, 1);
    }
    if (std::strcmp(tag, "textfield") == 0)
        return new TextField(name, parent, 0, 0, 10, 3);
    if (std::strcmp(tag, "panel") == 0)
        return new Panel(name, parent);
    if (std::strcmp(tag, "label") == 0)
        return new Label(name, parent, nullptr, 0, 0, 10, 2.5f);
    if (std::strcmp(tag, "checkbox") == 0)
        return new CheckBox(name, parent, nullptr, 0, 0, 10, 2.5f);
    if (std::strcmp(tag, "slider") == 0)
        return new Slider(name, parent, 0, 0, 10, 2);
    if (std::strcmp(tag, "listbox") == 0)
        return new ListBox(name, parent, 0, 0, 10, 10);
    if (std::strcmp(tag, "tabs") == 0)
        return new Tabs(name, parent, 0, 0, 20, 15);
    if (std::strcmp(tag, "tab") == 0)
        return new TabPage(name, parent, attributes.find("title"));
    if (std::strcmp(tag, "menubar") == 0)
        return new MenuBar(name, parent, 0, 0, 40, 2.5f);
    if (std::strcmp(tag, "menu") == 0)
        return new Menu(name, parent, attributes.find("text"));
    if (std::strcmp(tag, "image") == 0)
        return new Image(name, parent, 0, 0, 8, 8);
    if (std::strcmp(tag, "row") == 0)
        return new Row(name, parent);
    if (std::strcmp(tag, "column") == 0)
        return new Column(name, parent);
    if (std::strcmp(tag, "grid") == 0)
        return new Grid(name, parent);
    if (std::strcmp(tag, "progress") == 0)
        return new ProgressBar(name, parent, 0, 0, 10, 1.5f);
    if (std::strcmp(tag, "separator") == 0)
        return new Separator(name, parent, 0, 0, 10, 1);
    if (std::strcmp(tag, "radio") == 0)
        return new RadioButton(name, parent, nullptr, 0, 0, 10, 2.5f);
    if (std::strcmp(tag, "spinbox") == 0)
        return new Spinbox(name, parent, 0, 0, 8, 3);
    if (std::strcmp(tag, "dropdown") == 0)
        return new Dropdown(name, parent, 0, 0, 10, 2.5f);
    if (std::strcmp(tag, "option") == 0)
        return new DropdownOption(name, parent, nullptr);
    return buildTaggedElement(tag, attributes, name, parent);
}

BuiltElementObserver& builtElementObserver() {
    static BuiltElementObserver observer;
    return observer;
}

// Copies xml's attributes into its style section, builds its element under parent and loads its
// attributes into it, reporting on it to checks if given. Null for a tag that builds nothing.
GuiElement* loadElement(const TiXmlElement& xml, const char* fileName, GuiElement* parent,
                        DialogueChecks* checks) {
    const XmlAttributes attributes(xml, fileName, checks != nullptr);
    const char* name = attributes.find("name");
    // Every attribute of a named element becomes its own style, read before the skin's sections
    // of its name, class and "global", and gone with the element: another dialogue's element of
    // the same name reads its own. An unnamed element keeps none, and neither does one whose
    // name is empty: the empty name is every title bar's and close button's.
    std::optional<OwnStylesForNext> ownStyles;
    if (name && *name)
        ownStyles.emplace(name, attributeSection(xml));
    // Which attributes the new element's skin asks its own section for.
    std::unique_ptr<SkinLookupLog> skinLookups;
    if (checks && name && *name)
        skinLookups = std::make_unique<SkinLookupLog>(name);
    GuiElement* built = buildElement(xml.Value(), attributes, name, parent);
    if (built)
        built->loadAttributes(attributes);
    // A size to content reads the style's "padding": measured here too, while the log listens.
    if (skinLookups && built &&
        (built->widthLength.kind() == Length::Kind::Auto ||
         built->heightLength.kind() == Length::Kind::Auto)) {
        float width = 0, height = 0;
        contentSize(*built, width, height);
    }
    if (built && builtElementObserver())
        builtElementObserver()(*built, xml.Value(), xml.Row(), xml.Column());
    if (checks && built)
        checks->built(xml, attributes, *built, skinLookups.get());
    else if (checks)
        checks->skipped(xml);
    return built;
}

// Hands the children of xml to holder as entries rather than elements; a tag it does not take is
// reported as one that builds nothing.
void loadItems(const TiXmlElement& xml, const char* fileName, ItemHolder& holder,
               DialogueChecks* checks) {
    for (const TiXmlElement* child = xml.FirstChildElement(); child;
         child = child->NextSiblingElement()) {
        const XmlAttributes attributes(*child, fileName, checks != nullptr);
        const bool taken = holder.loadItem(child->Value(), attributes);
        if (checks && taken)
            checks->itemRead(*child, attributes);
        else if (checks)
            checks->skipped(*child);
    }
}

}  // namespace

void observeBuiltElements(BuiltElementObserver observer) {
    builtElementObserver() = std::move(observer);
}

bool loadDialogue(const char* fileName) {
    std::vector<GuiElement*> ignored;
    return loadDialogue(fileName, rootElement, ignored);
}

bool loadDialogue(const char* fileName, GuiElement* under, std::vector<GuiElement*>& topLevel) {
    // Before the pixel grid is fixed every length would snap to nothing.
    if (pixelSize == 0)
        return false;
    TiXmlDocument document(fileName);
    if (!loadXmlFile(document))
        return false;

    // The checks run only for a handler that will hear of them.
    std::unique_ptr<DialogueChecks> checks;
    if (diagnosticsWanted())
        checks = std::make_unique<DialogueChecks>(fileName);

    // The file's images share the pictures they name, within one limit on their pixels.
    PictureLoad pictures;
    const size_t firstBuilt = topLevel.size();
    GuiElement* parent = under;
    std::vector<const TiXmlElement*> stack;
    const TiXmlElement* current = document.FirstChildElement();
    while (current) {
        if (GuiElement* built = loadElement(*current, fileName, parent, checks.get())) {
            if (stack.empty())
                topLevel.push_back(built);
            if (auto* holder = dynamic_cast<ItemHolder*>(built)) {
                loadItems(*current, fileName, *holder, checks.get());
                current = current->NextSiblingElement();
            } else {
                stack.push_back(current);
                parent = built;
                current = current->FirstChildElement();
            }
        } else {
            current = current->NextSiblingElement();
        }
        while (!current && !stack.empty()) {
            current = stack.back()->NextSiblingElement();
            stack.pop_back();
            parent = parent->parent;
        }
    }
    // Percentages, content sizes and containers are worked out once everything is built.
    // Under a container, the container places the new children among the others.
    if (dynamic_cast<Container*>(under))
        layOut(under);
    else
        for (size_t i = firstBuilt; i < topLevel.size(); ++i)
            layOut(topLevel[i]);
    return true;
}

}  // namespace trellis
