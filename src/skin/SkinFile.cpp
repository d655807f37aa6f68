// Loading skins from a skin file into the store.
#include "trellis/skin/SkinFile.h"

#include "diagnostics/DiagnosticText.h"
#include "files/XmlFile.h"
#include "skin/SkinDocumentOutline.h"
#include "skin/SkinFileChecks.h"
#include "skin/SkinFonts.h"
#include "trellis/diagnostics/DiagnosticSink.h"
#include "trellis/style/SkinStore.h"

#include <algorithm>
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
        if (section->ValueStr() == kFontSectionTag)
            continue;  // a face, declared by declareSkinFonts
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
    if (!skin) {
        reportDiagnostic(
            Diagnostic{fileName, 0, 0, Severity::Error,
                       "no skin named " + quoted(skinName) + " in the file; nothing is loaded"});
        return false;
    }
    declareSkinFonts(fileName, *skin);
    if (diagnosticsWanted())
        checkSkinContent(fileName, *skin);
    mergeSections(skinStore, *skin);
    return true;
}

std::vector<SkinOutline> loadEverySkin(const char* fileName) {
    TiXmlDocument document(fileName);
    if (!fileName || !loadXmlFile(document))
        return {};
    std::vector<const TiXmlElement*> elements;
    std::vector<SkinOutline> skins = outlineSkinDocument(fileName, document, elements);
    for (const TiXmlElement* skin : elements) {
        declareSkinFonts(fileName, *skin);
        if (diagnosticsWanted())
            checkSkinContent(fileName, *skin);
        mergeSections(skinStore, *skin);
    }
    return skins;
}

std::vector<std::string> skinNames(const char* fileName) {
    std::vector<std::string> names;
    if (!fileName)
        return names;
    TiXmlDocument document(fileName);
    if (!loadXmlFile(document))
        return names;
    // The skins findSkin looks at: a later skin of a name already seen is never found.
    for (const TiXmlElement* skin = document.FirstChildElement(); skin;
         skin = skin->NextSiblingElement("skin")) {
        const char* name = skin->Attribute("name");
        if (name && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

}  // namespace trellis
