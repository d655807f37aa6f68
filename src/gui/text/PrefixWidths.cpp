// Prefix widths of a line of text in blocks: edits measure only the blocks they touch, and a
// position is found by its x with a binary search over the blocks and a walk through one.
#include "trellis/gui/PrefixWidths.h"

#include "trellis/gui/Utf8Text.h"

#include <algorithm>
#include <cmath>

namespace trellis {

namespace {

// Characters per block: walking one is cheap, and there are few enough blocks that moving their
// starts after an edit is cheap too.
constexpr size_t kBlockLength = 512;

}  // namespace

float PrefixWidths::widthAt(size_t position) const {
    const unsigned char byte = static_cast<unsigned char>((*text)[position]);
    if (byte < 0x80)
        return widths[byte];
    // The rest of a character adds nothing; a malformed byte is a character of its own.
    if (!isCharacterStart(*text, position))
        return 0;
    size_t length = 0;
    const unsigned int codepoint = decodeUtf8(*text, position, length);
    const auto known = wideWidths.find(codepoint);
    if (known != wideWidths.end())
        return known->second;
    const float width = wide ? wide(codepoint) : 0.0f;
    wideWidths.emplace(codepoint, width);
    return width;
}

float PrefixWidths::runningWidth(size_t from, size_t to) const {
    float sum = 0;
    for (size_t i = from; i < to; ++i)
        sum += widthAt(i);
    return sum;
}

void PrefixWidths::measureBlocks(size_t from) {
    starts.resize(blocks.size() + 1);
    xs.resize(blocks.size() + 1);
    starts[0] = 0;
    xs[0] = 0;
    for (size_t j = from; j < blocks.size(); ++j) {
        starts[j + 1] = starts[j] + blocks[j].length;
        xs[j + 1] = xs[j] + blocks[j].width;
    }
}

void PrefixWidths::reset(const std::string& measured, const WidthTable& table, WideWidth wider) {
    text = &measured;
    widths = table;
    wide = std::move(wider);
    wideWidths.clear();
    length = 0;
    blocks.clear();
    replace(0, 0, measured.size());
}

void PrefixWidths::replace(size_t start, size_t removed, size_t inserted) {
    if (!text)
        return;
    const size_t before = length;
    // An edit that does not fit the text measured before is measured in full.
    const bool fits =
        start <= before && removed <= before - start && text->size() == before - removed + inserted;
    size_t first = 0, last = blocks.size();  // the blocks measured again: [first, last)
    if (fits && !blocks.empty()) {
        const auto blockOf = [&](size_t position) {
            const auto after = std::upper_bound(starts.begin(), starts.end() - 1, position);
            return std::min(size_t(after - starts.begin()) - 1, blocks.size() - 1);
        };
        first = blockOf(start);
        last = blockOf(removed ? start + removed - 1 : start) + 1;
        // A block left small takes in a neighbour, so that edits do not splinter the text.
        const size_t left = starts[last] - starts[first] - removed + inserted;
        if (left < kBlockLength / 2 && last < blocks.size())
            ++last;
        else if (left < kBlockLength / 2 && first > 0)
            --first;
    }
    const size_t from = blocks.empty() ? 0 : starts[first];
    const size_t count =
        fits ? (blocks.empty() ? 0 : starts[last] - from) - removed + inserted : text->size();
    if (!fits)
        first = 0, last = blocks.size();
    length = text->size();
    // The span becomes one block, or blocks of about kBlockLength when it is longer than two.
    std::vector<Block> span;
    const size_t pieces = count <= 2 * kBlockLength ? 1 : (count + kBlockLength - 1) / kBlockLength;
    for (size_t i = 0, at = from; i < pieces && count; ++i) {
        const size_t piece = count / pieces + (i < count % pieces ? 1 : 0);
        span.push_back({piece, runningWidth(at, at + piece)});
        at += piece;
    }
    blocks.erase(blocks.begin() + first, blocks.begin() + last);
    blocks.insert(blocks.begin() + first, span.begin(), span.end());
    measureBlocks(first);
}

float PrefixWidths::offset(size_t position) const {
    if (position >= length)
        return total();
    const size_t j =
        size_t(std::upper_bound(starts.begin(), starts.end() - 1, position) - starts.begin()) - 1;
    // A double start: summing blocks in float would lose the small widths far along a long text.
    return static_cast<float>(xs[j] + runningWidth(starts[j], position));
}

float PrefixWidths::total() const {
    return blocks.empty() ? 0.0f : static_cast<float>(xs.back());
}

template <typename Test> size_t PrefixWidths::firstPassing(Test test) const {
    if (blocks.empty())
        return test(0.0f) ? 0 : 1;
    // The first block whose end passes, then the first position in it that does.
    size_t low = 0, high = blocks.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (test(static_cast<float>(xs[middle + 1])))
            high = middle;
        else
            low = middle + 1;
    }
    if (low == blocks.size())
        return length + 1;
    float running = 0;
    for (size_t position = starts[low]; position < starts[low + 1]; ++position) {
        if (test(static_cast<float>(xs[low] + running)) && isCharacterStart(*text, position))
            return position;
        running += widthAt(position);
    }
    // The block's end may fall inside a character: the next start is where that one ends.
    size_t end = starts[low + 1];
    while (end < length && !isCharacterStart(*text, end))
        ++end;
    return end;
}

size_t PrefixWidths::firstAtOrAbove(float x) const {
    return firstPassing([x](float at) { return at >= x; });
}

size_t PrefixWidths::firstAbove(float x) const {
    return firstPassing([x](float at) { return at > x; });
}

size_t PrefixWidths::nearest(float x) const {
    if (!std::isfinite(x))
        return 0;
    const size_t after = firstAtOrAbove(x);
    if (after == 0)
        return 0;
    size_t before = std::min(after - 1, length);
    while (before > 0 && !isCharacterStart(*text, before))
        --before;
    const float leftGap = std::fabs(offset(before) - x);
    if (after <= length && std::fabs(offset(after) - x) < leftGap)
        return after;
    // Positions as near as the one before x may come earlier where characters have no width.
    return firstPassing([&](float at) { return at >= x || std::fabs(at - x) <= leftGap; });
}

}  // namespace trellis
