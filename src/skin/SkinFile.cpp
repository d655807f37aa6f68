// Loading skins from a skin file into the store.
#include "trellis/skin/SkinFile.h"

#include "files/XmlFile.h"
#include "trellis/style/SkinStore.h"

#include <cstring>
#include <tinyxml.h>

namespace trellis {

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

}  // namespace

bool loadSkin(const char* skinName, const char* fileName) {
    TiXmlDocument document(fileName);
    if (!skinName || !loadXmlFile(document))
        return false;
    const TiXmlElement* skin = findSkin(document, skinName);
    if (!skin)
        return false;
    mergeSections(skinStore, *skin);
    return true;
}

}  // namespace trellis
