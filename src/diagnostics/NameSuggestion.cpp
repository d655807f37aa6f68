// Edit distances between names and the hint that names the closest known one.
#include "diagnostics/NameSuggestion.h"

#include <algorithm>
#include <vector>

namespace trellis {

size_t editDistance(const std::string& a, const std::string& b, size_t limit) {
    const size_t longer = std::max(a.size(), b.size()), shorter = std::min(a.size(), b.size());
    if (longer - shorter > limit)
        return limit + 1;
    // Three rows of the table: two back for the swaps, one back, and the one being filled.
    std::vector<size_t> twoBack(b.size() + 1), back(b.size() + 1), row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        back[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        row[0] = i;
        size_t rowLeast = row[0];
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t replace = back[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[j] = std::min({back[j] + 1, row[j - 1] + 1, replace});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                row[j] = std::min(row[j], twoBack[j - 2] + 1);
            rowLeast = std::min(rowLeast, row[j]);
        }
        // Every later row holds at least this row's least value.
        if (rowLeast > limit)
            return limit + 1;
        std::swap(twoBack, back);
        std::swap(back, row);
    }
    return std::min(back[b.size()], limit + 1);
}

NameSuggestion::NameSuggestion(std::string typed)
    : typed(std::move(typed)), bestDistance(this->typed.size() / 3 + 1) {}

void NameSuggestion::consider(const std::string& candidate) {
    if (candidate == typed || bestDistance == 0)
        return;
    const size_t distance = editDistance(typed, candidate, bestDistance);
    if (distance < bestDistance || (distance == bestDistance && !best.empty() && candidate < best)) {
        best = candidate;
        bestDistance = distance;
    }
}

std::string NameSuggestion::hint() const {
    return best.empty() ? std::string() : " (did you mean `" + best + "`?)";
}

}  // namespace trellis
