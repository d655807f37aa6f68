// Loading skins from a skin file into the store.
#include "trellis/skin/SkinFile.h"

#include "diagnostics/DiagnosticText.h"
#include "files/XmlFile.h"
#include "gui/look/SkinImageAtlas.h"
#include "skin/SkinDocumentOutline.h"
#include "skin/SkinFileChecks.h"
#include "skin/SkinFonts.h"
#include "skin/SkinImageChecks.h"
#include "skin/SkinPaths.h"
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

void mergeSections(const char* fileName, const TiXmlElement& skin) {
    for (const TiXmlElement* section = skin.FirstChildElement(); section;
         section = section->NextSiblingElement()) {
        if (section->ValueStr() == kFontSectionTag)
            continue;  // a face, declared by declareSkinFonts
        const std::string name = skinSectionName(*section);
        // An empty section is still made, as lookups tell a present section from none.
        skinStore[name];
        const bool styleClass = isStyleClassSection(*section);
        for (const TiXmlAttribute* attribute = section->FirstAttribute(); attribute;
             attribute = attribute->Next()) {
            if (styleClass && attribute->NameTStr() == "class")
                continue;
            if (attribute->NameTStr() != kSkinImageAttribute || attribute->ValueStr().empty()) {
                setSkinFileAttribute(name, attribute->NameTStr(), attribute->ValueStr());
                continue;
            }
            // The store keeps the picture's path as the skin file's folder gives it. A picture
            // changed on disk since it was read is read again, and every picture is read now
            // rather than while a frame is drawn (a state's, at the first hover).
            const std::string path = skinRelativePath(fileName, attribute->ValueStr());
            skinImageAtlas().refresh(path);
            std::string unused;
            skinImageAtlas().add(path, unused);
            setSkinFileAttribute(name, attribute->NameTStr(), path);
        }
    }
}

// The skins to merge for skin, its furthest base first; just skin when it names no base.
// Reports a base that is missing or leads back to a skin already in the chain, and then leaves
// that base and those beyond it out.
std::vector<const TiXmlElement*> baseChain(const char* fileName, const TiXmlDocument& document,
                                           const TiXmlElement* skin) {
    std::vector<const TiXmlElement*> chain{skin};
    while (const char* base = chain.back()->Attribute("base")) {
        const TiXmlElement* next = findSkin(document, base);
        const bool loops = std::find(chain.begin(), chain.end(), next) != chain.end();
        if (next && !loops) {
            chain.push_back(next);
            continue;
        }
        reportDiagnostic(Diagnostic{
            fileName, chain.back()->Row(), chain.back()->Column(), Severity::Error,
            "base " + quoted(base) +
                (next ? " leads back to a skin of its own chain" : " names no skin in the file") +
                "; loaded without it"});
        break;
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
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
    if (!skin->Attribute("base")) {
        declareSkinFonts(fileName, *skin);
        if (diagnosticsWanted())
            checkSkinContent(fileName, *skin);
        mergeSections(fileName, *skin);
        return true;
    }
    // A skin with a base starts afresh from it: what earlier skins set is not carried over.
    forgetSkinFileValues();
    for (const TiXmlElement* each : baseChain(fileName, document, skin)) {
        declareSkinFonts(fileName, *each);
        if (diagnosticsWanted())
            checkSkinContent(fileName, *each);
        mergeSections(fileName, *each);
    }
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
        mergeSections(fileName, *skin);
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
