// The skin store: section name to attribute name to value text, filled from skin files and
// from named dialogue elements, and looked up by every element's applySkin.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace trellis {

class SkinLookupLog;

// One style section: attribute name to value text.
using SkinSection = std::unordered_map<std::string, std::string>;

// All sections by name; names and attributes compare as exact, case-sensitive texts.
using SkinStore = std::unordered_map<std::string, SkinSection>;

extern SkinStore skinStore;  // the current interface's store (Interface.h)

// Stores value under attribute in section, creating either when absent.
void setSkinAttribute(const char* section, const char* attribute, const char* value);

// As setSkinAttribute, for a value read from a skin file: such values are the ones that
// forgetSkinFileValues takes out again (a dialogue's values stay).
void setSkinFileAttribute(const std::string& section, const std::string& attribute,
                          const std::string& value);

// Takes every value that a skin file put into the store, and that no dialogue has set since,
// out of it: a skin that names its base starts from there.
void forgetSkinFileValues();

// A count that the functions above move on at every change they make: drawing that reads the
// store as it draws (state looks) knows from it that a frame drawn before may be out of date.
unsigned long skinStoreRevision();

// The section that the skin's <style class="styleClass" .../> fills: "." then the class (an
// XML tag cannot begin with a dot, so no element or class section shares it).
std::string styleClassSection(const std::string& styleClass);

// The section of the look of section's elements in state: "button:hover", "okButton:pressed".
std::string stateSection(const std::string& section, const char* state);

// The sections that one element's lookups consult, found once so that a run of lookups (an
// applySkin) does not find them again for every attribute, in this order: the element's own
// styles (those its dialogue file gave it), its own name, its style classes (the last one listed
// first), its skin class, then "global". With a state ("hover"), each of the name, style class
// and skin class sections is preceded by its state section ("okButton:hover", ".heading:hover",
// "button:hover"); the name's state section comes before the element's own styles too. Valid
// until the store next changes.
class SkinSections {
public:
    // The sections of an element named name of skin class skinClass, with the style classes
    // listed in styleClasses (separated by white space), in state when state is not null, with
    // own styles if given.
    SkinSections(const SkinStore& store, const std::string& name, const char* skinClass,
                 const std::string& styleClasses = std::string(), const char* state = nullptr,
                 const SkinSection* own = nullptr);

    // The value of attribute in the first section holding it, or null. With accept, a value that
    // accept refuses counts as absent from its section.
    const char* find(const char* attribute, bool (*accept)(const char* value) = nullptr) const;

    // The value of attribute when the first section holding it is a state section, else null:
    // what the state changes from the element's resting look. With skinsOnly, as findInSkins.
    const char* findInState(const char* attribute, bool skinsOnly = false) const;

    // As find, passing the element's own styles by, and not noted by a lookup log: for values
    // that only a skin gives (a picture, named relative to its skin file).
    const char* findInSkins(const char* attribute) const;

    // Whether any state section is consulted: the state has a look of its own.
    bool hasStateSection() const;

private:
    // A consulted section that exists, whether it is a state section, and whether it holds the
    // element's own styles.
    struct Consulted {
        const SkinSection* section;
        bool inState;
        bool own;
    };
    // The first consulted section holding attribute (and accepted), or null; with skinsOnly,
    // passing own styles by, unnoted.
    const Consulted* holder(const char* attribute, bool (*accept)(const char*),
                            bool skinsOnly = false) const;

    std::vector<Consulted> sections;
    SkinLookupLog* log = nullptr;  // notes each attribute asked for, while a loader listens
};

}  // namespace trellis
