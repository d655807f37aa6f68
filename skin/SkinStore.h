// The skin store: section name to attribute name to value text, filled from skin files and
// from named dialogue elements, and looked up by every element's applySkin.
#pragma once

#include <string>
#include <unordered_map>

class GuiElement;

// One style section: attribute name to value text.
using SkinSection = std::unordered_map<std::string, std::string>;

// All sections by name; names and attributes compare as exact, case-sensitive texts.
using SkinStore = std::unordered_map<std::string, SkinSection>;

extern SkinStore skinStore;  // the one store; constructed before main

constexpr const char* kSkinFileName = "defaultSkin.xml";  // read from the working directory

// Merges the sections of the skin named skinName from the skin file into the store.
// A missing or malformed file, or no such skin, leaves the store as it was.
void loadSkin(const char* skinName, const char* fileName = kSkinFileName);

// Stores value under attribute in section, creating either when absent.
void setSkinAttribute(const char* section, const char* attribute, const char* value);

// The value of attribute for element: its name section, then its skin class, then "global".
// Null when none holds it. The text stays valid until the store next changes.
const char* findSkinAttribute(SkinStore& store, const GuiElement& element, const char* attribute);

// The sections that findSkinAttribute consults for element, found once so that a run of
// lookups for one element (an applySkin) does not find them again for every attribute. Valid
// until the store next changes.
class SkinSections {
public:
    SkinSections(const SkinStore& store, const GuiElement& element);

    // The value of attribute in the first section holding it, or null: findSkinAttribute's
    // answer. With accept, a value that accept refuses counts as absent from its section.
    const char* find(const char* attribute, bool (*accept)(const char* value) = nullptr) const;

private:
    const SkinSection* sections[3] = {};  // name, skin class, "global"; those that exist
    int count = 0;
};
