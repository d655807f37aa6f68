// PrefixWidths: the x of every position in a line of UTF-8 text, kept in blocks so that an edit
// measures again only the blocks it touches and finding a position by its x is a binary search.
// The font has no kerning: a character is as wide wherever it stands.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace trellis {

// The x of each position of one text (0 to its size in bytes): within the first block, the
// running float sum of the character widths, as measuring the prefix would give; beyond it, each
// block's running sum added to where the block starts. A character's width counts at its first
// byte, and the positions found by x are always where a character starts.
class PrefixWidths {
public:
    // The width of each ASCII character, by its byte value (bytes from 128 on are not read).
    using WidthTable = std::array<float, 256>;
    // The width of a character beyond ASCII, asked once per character and text measured.
    using WideWidth = std::function<float(unsigned int codepoint)>;

    // Measures all of text afresh. text is measured where it lies: it must outlive this index,
    // and change only as replace() is then told, at character starts. Without wide, characters
    // beyond ASCII have no width.
    void reset(const std::string& text, const WidthTable& widths, WideWidth wide = {});

    // Follows one edit of the text: removed characters from start were replaced by inserted
    // ones, which the text now holds. Only the blocks the edit touches are measured again.
    void replace(size_t start, size_t removed, size_t inserted);

    const WidthTable& widthTable() const { return widths; }  // the widths measured with
    // Whether candidate is the very text measured (not a copy of it).
    bool measures(const std::string& candidate) const { return text == &candidate; }
    size_t size() const { return length; }  // the characters measured
    float offset(size_t position) const;    // x of a position; past the end: total()
    float total() const;                    // x of the end of the text
    size_t firstAtOrAbove(float x) const;   // first position at x or right of it; or size()+1
    size_t firstAbove(float x) const;       // first position right of x; or size()+1
    // The position whose x is nearest to x, the first of several as near; 0 for an x that is no
    // finite number.
    size_t nearest(float x) const;

private:
    // The first position whose x passes test (false for every position before it, true from it
    // on), or size()+1 when none does.
    template <typename Test> size_t firstPassing(Test test) const;
    float runningWidth(size_t from, size_t to) const;  // the float sum of widths in [from, to)
    float widthAt(size_t position) const;  // the width a byte adds: a character's at its first
    void measureBlocks(size_t from);       // starts and x of blocks from there on

    struct Block {
        size_t length;  // characters, at least one
        float width;    // their running float sum
    };
    const std::string* text = nullptr;
    WidthTable widths{};
    WideWidth wide;
    mutable std::unordered_map<unsigned int, float> wideWidths;  // what wide gave, by character
    size_t length = 0;
    std::vector<Block> blocks;
    std::vector<size_t> starts;  // first position of each block, and length at the end
    std::vector<double> xs;      // x of each block's first position, and the total at the end
};

}  // namespace trellis
