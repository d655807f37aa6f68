// Setting store values, and the three-section lookup.
#include "trellis/style/SkinStore.h"

#include "style/SkinLookupLog.h"

#include <cstring>

namespace trellis {

namespace {

// The section every lookup ends with; made once, not for every lookup.
const std::string& globalSection() {
    static const std::string name = "global";
    return name;
}

}  // namespace

void setSkinAttribute(const char* section, const char* attribute, const char* value) {
    skinStore[section][attribute] = value;
}

SkinSections::SkinSections(const SkinStore& store, const std::string& name, const char* skinClass,
                           const SkinSection* own)
    : log(SkinLookupLog::noting(name)) {
    if (own)
        sections[count++] = own;
    auto consult = [&](const std::string& sectionName) {
        auto found = store.find(sectionName);
        if (found != store.end())
            sections[count++] = &found->second;
    };
    consult(name);
    // For the class "global", the class section and "global" are the same section.
    if (std::strcmp(skinClass, globalSection().c_str()) != 0)
        consult(skinClass);
    consult(globalSection());
}

const char* SkinSections::find(const char* attribute, bool (*accept)(const char*)) const {
    if (log)
        log->note(attribute);
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

}  // namespace trellis
