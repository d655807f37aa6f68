// GraphemeBreaks: where the characters a reader sees as one (a letter with its combining marks,
// a Hangul syllable, an emoji sequence joined by ZWJ, a flag) begin and end in a UTF-8 text.
#pragma once

#include <cstddef>
#include <string>

namespace trellis {

// The boundaries between the user-perceived characters (grapheme clusters) of one UTF-8 text,
// by the extended grapheme cluster rules. A malformed byte is a cluster of its own.
class GraphemeBreaks {
public:
    // text must outlive this object and not change while it is used.
    explicit GraphemeBreaks(const std::string& text) : text(text) {}

    // The first boundary after position, or the text's size at or past its end.
    size_t next(size_t position) const;
    // The last boundary before position, or 0 at or before the start.
    size_t previous(size_t position) const;
    // Whether a cluster begins or ends at position (0 and the size always do).
    bool isBoundary(size_t position) const;

private:
    size_t safeStartBefore(size_t position) const;  // a boundary at or before position - 1

    const std::string& text;
};

}  // namespace trellis
