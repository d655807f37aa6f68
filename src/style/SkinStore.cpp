// Setting store values, and the lookup through an element's sections.
#include "trellis/style/SkinStore.h"

#include "state/KeptVariable.h"
#include "style/SkinLookupLog.h"

#include <cstring>
#include <set>
#include <sstream>
#include <utility>

namespace trellis {

namespace {

// The section every lookup ends with; made once, not for every lookup.
const std::string& globalSection() {
    static const std::string name = "global";
    return name;
}

// The (section, attribute) pairs whose values came from a skin file.
std::set<std::pair<std::string, std::string>> fromSkinFiles;
const bool perInterface = keepPerInterface(fromSkinFiles);

std::set<std::pair<std::string, std::string>>& skinFileValues() {
    return fromSkinFiles;
}

unsigned long revision = 0;

}  // namespace

unsigned long skinStoreRevision() {
    return revision;
}

void setSkinAttribute(const char* section, const char* attribute, const char* value) {
    skinStore[section][attribute] = value;
    ++revision;
    if (!skinFileValues().empty())
        skinFileValues().erase({section, attribute});
}

void setSkinFileAttribute(const std::string& section, const std::string& attribute,
                          const std::string& value) {
    skinStore[section][attribute] = value;
    ++revision;
    skinFileValues().emplace(section, attribute);
}

void forgetSkinFileValues() {
    for (const auto& [section, attribute] : skinFileValues()) {
        auto found = skinStore.find(section);
        if (found == skinStore.end())
            continue;
        found->second.erase(attribute);
        if (found->second.empty())
            skinStore.erase(found);
    }
    skinFileValues().clear();
    ++revision;
}

std::string styleClassSection(const std::string& styleClass) {
    return "." + styleClass;
}

std::string stateSection(const std::string& section, const char* state) {
    return section + ":" + state;
}

SkinSections::SkinSections(const SkinStore& store, const std::string& name, const char* skinClass,
                           const std::string& styleClasses, const char* state,
                           const SkinSection* own)
    : log(SkinLookupLog::noting(name)) {
    auto consultState = [&](const std::string& sectionName) {
        if (!state)
            return;
        auto inState = store.find(stateSection(sectionName, state));
        if (inState != store.end())
            sections.push_back({&inState->second, true, false});
    };
    auto consult = [&](const std::string& sectionName) {
        consultState(sectionName);
        auto found = store.find(sectionName);
        if (found != store.end())
            sections.push_back({&found->second, false, false});
    };
    // The element's own styles rank with its name's section, below the name's state looks.
    consultState(name);
    if (own)
        sections.push_back({own, false, true});
    auto named = store.find(name);
    if (named != store.end())
        sections.push_back({&named->second, false, false});
    if (!styleClasses.empty()) {
        // A later class in the list outranks an earlier one, as later CSS rules do.
        std::istringstream words(styleClasses);
        std::vector<std::string> listed;
        for (std::string word; words >> word;)
            listed.push_back(styleClassSection(word));
        for (auto it = listed.rbegin(); it != listed.rend(); ++it)
            consult(*it);
    }
    // For the class "global", the class section and "global" are the same section.
    if (std::strcmp(skinClass, globalSection().c_str()) != 0)
        consult(skinClass);
    auto found = store.find(globalSection());
    if (found != store.end())
        sections.push_back({&found->second, false, false});
}

const SkinSections::Consulted*
SkinSections::holder(const char* attribute, bool (*accept)(const char*), bool skinsOnly) const {
    if (log && !skinsOnly)
        log->note(attribute);
    if (sections.empty())
        return nullptr;
    const std::string key = attribute;
    for (const Consulted& consulted : sections) {
        if (skinsOnly && consulted.own)
            continue;
        auto found = consulted.section->find(key);
        if (found != consulted.section->end() && (!accept || accept(found->second.c_str())))
            return &consulted;
    }
    return nullptr;
}

const char* SkinSections::find(const char* attribute, bool (*accept)(const char*)) const {
    const Consulted* found = holder(attribute, accept);
    return found ? found->section->at(attribute).c_str() : nullptr;
}

const char* SkinSections::findInState(const char* attribute, bool skinsOnly) const {
    const Consulted* found = holder(attribute, nullptr, skinsOnly);
    return found && found->inState ? found->section->at(attribute).c_str() : nullptr;
}

const char* SkinSections::findInSkins(const char* attribute) const {
    const Consulted* found = holder(attribute, nullptr, true);
    return found ? found->section->at(attribute).c_str() : nullptr;
}

bool SkinSections::hasStateSection() const {
    for (const Consulted& consulted : sections)
        if (consulted.inState)
            return true;
    return false;
}

}  // namespace trellis
