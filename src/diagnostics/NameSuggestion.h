// NameSuggestion: the known name a mistyped one most likely meant, for "did you mean" hints.
#pragma once

#include <cstddef>
#include <string>

namespace trellis {

// The edit distance between a and b: the fewest insertions, deletions, replacements and swaps
// of two neighbouring characters that turn one into the other, or more than limit (limit + 1)
// once it is sure to be.
size_t editDistance(const std::string& a, const std::string& b, size_t limit);

// Weighs candidate names against a typed one and keeps the closest: nearest by edit distance,
// within a third of the typed name's length, the alphabetically first among equals.
class NameSuggestion {
public:
    explicit NameSuggestion(std::string typed);

    // Weighs one candidate; the typed name itself is never suggested.
    void consider(const std::string& candidate);

    // " (did you mean `width`?)" for the closest candidate, or "" when none is close enough.
    std::string hint() const;

private:
    std::string typed;
    std::string best;       // the closest candidate so far, or empty
    size_t bestDistance;    // its distance; the most allowed, plus one, while there is none
};

}  // namespace trellis
