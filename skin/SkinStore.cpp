// Loading skins into the store, and the three-section lookup.
#include "skin/SkinStore.h"

#include "gui/GuiElement.h"
#include "skin/XmlFile.h"

#include <cstring>
#include <tinyxml.h>

namespace {

// The first top-level element, whatever its tag, then every later "skin" sibling.
const TiXmlElement* findSkin(const TiXmlDocument& document, const char* skinName) {
    for (const TiXmlElement* candidate = document.FirstChildElement(); candidate;
         candidate = candidate->NextSiblingElement("skin")) {
        const char* name = candidate->Attribute("name");
        if (name && std::strcmp(name, skinName) == 0)
            return candidate;
    }
    return nullptr;
}

void mergeSections(SkinStore& store, const TiXmlElement& skin) {
    for (const TiXmlElement* section = skin.FirstChildElement(); section;
         section = section->NextSiblingElement()) {
        SkinSection& target = store[section->Value()];
        for (const TiXmlAttribute* attribute = section->FirstAttribute(); attribute;
             attribute = attribute->Next())
            target[attribute->Name()] = attribute->Value();
    }
}

// The section every lookup ends with; made once, not for every lookup.
const std::string& globalSection() {
    static const std::string name = "global";
    return name;
}

}  // namespace

void loadSkin(const char* skinName, const char* fileName) {
    TiXmlDocument document(fileName);
    if (!skinName || !loadXmlFile(document))
        return;
    if (const TiXmlElement* skin = findSkin(document, skinName))
        mergeSections(skinStore, *skin);
}

void setSkinAttribute(const char* section, const char* attribute, const char* value) {
    skinStore[section][attribute] = value;
}

const char* findSkinAttribute(SkinStore& store, const GuiElement& element, const char* attribute) {
    return SkinSections(store, element).find(attribute);
}

SkinSections::SkinSections(const SkinStore& store, const GuiElement& element) {
    auto consult = [&](const std::string& name) {
        auto found = store.find(name);
        if (found != store.end())
            sections[count++] = &found->second;
    };
    consult(element.name);
    // For the class "global", the class section and "global" are the same section.
    if (std::strcmp(element.skinClass, globalSection().c_str()) != 0)
        consult(element.skinClass);
    consult(globalSection());
}

const char* SkinSections::find(const char* attribute, bool (*accept)(const char*)) const {
    if (count == 0)
        return nullptr;
    const std::string key = attribute;
    for (int i = 0; i < count; ++i) {
        auto found = sections[i]->find(key);
        if (found != sections[i]->end() && (!accept || accept(found->second.c_str())))
            return found->second.c_str();
    }
    return nullptr;
}
