// SkinLookupLog: which attributes the skin lookups for one section name ask for while it lives.
#pragma once

#include <string>
#include <unordered_set>

namespace trellis {

// Notes the attribute names that lookups consulting the section sectionName ask for, from its
// construction to its destruction: the dialogue loader learns from it which of a named
// element's attributes its skin reads. One log at a time; lookups cost nothing more without.
class SkinLookupLog {
public:
    // Starts noting lookups through sectionName.
    explicit SkinLookupLog(std::string sectionName);
    // Stops noting.
    ~SkinLookupLog();

    SkinLookupLog(const SkinLookupLog&) = delete;
    SkinLookupLog& operator=(const SkinLookupLog&) = delete;

    // The log that lookups through name should note into, or null.
    static SkinLookupLog* noting(const std::string& name);

    // Notes that attribute was asked for.
    void note(const char* attribute) { asked.insert(attribute); }
    // Whether attribute was asked for.
    bool wasAsked(const std::string& attribute) const { return asked.count(attribute) != 0; }

private:
    std::string sectionName;
    std::unordered_set<std::string> asked;
    SkinLookupLog* previous;
};

}  // namespace trellis
