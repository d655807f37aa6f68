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

const char* findInSection(const SkinStore& store, const std::string& section,
                          const std::string& attribute) {
    auto foundSection = store.find(section);
    if (foundSection == store.end())
        return nullptr;
    auto foundValue = foundSection->second.find(attribute);
    return foundValue == foundSection->second.end() ? nullptr : foundValue->second.c_str();
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
    const std::string key = attribute;
    if (const char* value = findInSection(store, element.name, key))
        return value;
    const std::string skinClass = element.skinClass;
    if (const char* value = findInSection(store, skinClass, key))
        return value;
    if (skinClass == "global")
        return nullptr;
    return findInSection(store, "global", key);
}
