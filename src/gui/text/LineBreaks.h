// Where the lines of a UTF-8 text may or must end, for word wrap: by the Unicode line-break
// rules (libunibreak), or by a few simple rules in builds without libunibreak.
#pragma once

#include <string>
#include <vector>

namespace trellis {

// Whether a line may end after a byte of a text.
enum class LineBreak : char {
    None,       // no: inside a character, or between two that stay together
    Allowed,    // a line may end here
    Mandatory,  // a line must end here: after a line feed, and at the text's end
};

// For each byte of text, whether a line may or must end after it.
using LineBreaks = std::vector<LineBreak>;

// The breaks of text by the Unicode line-break rules (libunibreak); only in builds with it.
LineBreaks unicodeLineBreaks(const std::string& text);

// The breaks of text by simple rules that agree with the Unicode ones on plain text: a line
// must end after a line feed (or another line separator) and at the text's end; it may end
// after a run of spaces or tabs, after a hyphen (not one before a digit) or a zero-width space,
// and on either side of an ideograph, kana or Hangul syllable, but never before a space.
LineBreaks simpleLineBreaks(const std::string& text);

// The breaks word wrap uses: the Unicode rules where the build has libunibreak.
LineBreaks lineBreaksOf(const std::string& text);

}  // namespace trellis
