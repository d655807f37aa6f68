// The skin store: section name to attribute name to value text, filled from skin files and
// from named dialogue elements, and looked up by every element's applySkin.
#pragma once

#include <string>
#include <unordered_map>

namespace trellis {

class SkinLookupLog;

// One style section: attribute name to value text.
using SkinSection = std::unordered_map<std::string, std::string>;

// All sections by name; names and attributes compare as exact, case-sensitive texts.
using SkinStore = std::unordered_map<std::string, SkinSection>;

extern SkinStore skinStore;  // the one store; constructed before main

// Stores value under attribute in section, creating either when absent.
void setSkinAttribute(const char* section, const char* attribute, const char* value);

// The sections that one element's lookups consult, found once so that a run of lookups (an
// applySkin) does not find them again for every attribute: the element's own styles (those its
// dialogue file gave it), its name's section, its skin class, then "global". Valid until the
// store next changes.
class SkinSections {
public:
    // The sections of an element named name of skin class skinClass, with own styles if given.
    SkinSections(const SkinStore& store, const std::string& name, const char* skinClass,
                 const SkinSection* own = nullptr);

    // The value of attribute in the first section holding it, or null. With accept, a value that
    // accept refuses counts as absent from its section.
    const char* find(const char* attribute, bool (*accept)(const char* value) = nullptr) const;

private:
    const SkinSection* sections[4] = {};  // own, name, skin class, "global"; those that exist
    int count = 0;
    SkinLookupLog* log = nullptr;  // notes each attribute asked for, while a loader listens
};

}  // namespace trellis
