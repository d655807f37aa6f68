// Word wrap at the line-break opportunities of the Unicode rules, and ellipses, measured line by
// line.
#include "gui/widgets/TextFitting.h"

#include "gui/text/GraphemeBreaks.h"
#include "gui/text/LineBreaks.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/TextField.h"

#include <vector>

namespace trellis {

namespace {

constexpr unsigned int kEllipsis = 0x2026;

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// The part of text from start to end without the spaces that end it.
std::string trimmedPiece(const std::string& text, size_t start, size_t end) {
    while (end > start && isSpace(text[end - 1]))
        --end;
    return text.substr(start, end - start);
}

// The end of the longest run of whole clusters of text from start, before end, whose width
// with suffix after it is at most width; start when not even one cluster fits.
size_t fittingEnd(const std::string& text, size_t start, size_t end, float width, float size,
                  const std::string& suffix) {
    const GraphemeBreaks clusters(text);
    std::vector<size_t> ends;
    for (size_t at = clusters.next(start); at <= end && at > start; at = clusters.next(at)) {
        ends.push_back(at);
        if (at >= end)
            break;
    }
    // Widths grow with the cluster count: the last that fits, by halving.
    size_t low = 0, high = ends.size();
    while (low < high) {
        const size_t middle = (low + high + 1) / 2;
        if (textWidthAt(trimmedPiece(text, start, ends[middle - 1]) + suffix, size) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low == 0 ? start : ends[low - 1];
}

}  // namespace

float textWidthAt(const std::string& text, float size) {
    float width = 0, height = 0;
    measureText(text.c_str(), size, width, height);
    return width;
}

const char* ellipsisText() {
    return fontDrawsCharacter(kEllipsis) ? "\xe2\x80\xa6" : "...";
}

std::string ellipsizeText(const std::string& text, float width, float size) {
    const std::string ellipsis = ellipsisText();
    std::string out;
    for (size_t start = 0; start <= text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        if (textWidthAt(line, size) <= width) {
            out += line;
        } else {
            const size_t cut = fittingEnd(text, start, end, width, size, ellipsis);
            out += trimmedPiece(text, start, cut) + ellipsis;
        }
        if (end < text.size())
            out += '\n';
        start = end + 1;
    }
    return out;
}

std::string wrapText(const std::string& text, float width, float size) {
    if (text.empty())
        return text;
    // breaks[i]: whether a line may, must or may not end after byte i.
    const LineBreaks breaks = lineBreaksOf(text);
    std::string out;
    size_t lineStart = 0, lastFit = 0;  // lastFit: the last allowed end that fitted, or 0
    const auto endLine = [&](size_t end, size_t next) {
        out += trimmedPiece(text, lineStart, end);
        out += '\n';
        lineStart = next;
        lastFit = 0;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        if (breaks[i] == LineBreak::None)
            continue;
        const bool mandatory = breaks[i] == LineBreak::Mandatory;
        // A line ends before its line feed; the text's own end is an end too.
        const size_t end = mandatory && text[i] == '\n' ? i : i + 1;
        while (textWidthAt(trimmedPiece(text, lineStart, end), size) > width) {
            if (lastFit > lineStart) {
                endLine(lastFit, lastFit);
                continue;
            }
            // One word wider than the line: as many clusters as fit, at least one.
            size_t cut = fittingEnd(text, lineStart, end, width, size, "");
            if (cut == lineStart)
                cut = GraphemeBreaks(text).next(lineStart);
            if (cut >= end)
                break;
            endLine(cut, cut);
        }
        if (mandatory) {
            if (i + 1 < text.size() || text[i] == '\n')
                endLine(end, i + 1);
        } else {
            lastFit = i + 1;
        }
    }
    out += trimmedPiece(text, lineStart, text.size());
    return out;
}

}  // namespace trellis
