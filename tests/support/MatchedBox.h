// Test support for pixel read-back: lengths given in whole pixels, and the box covered by the
// pixels of a read-back frame that match a colour or a test.
#pragma once

#include "support/GlTest.h"
#include "trellis/gui/ScreenUnits.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <ostream>
#include <vector>

namespace trellis {

// The clear colour of GlTest frames.
inline const Color kBlack{{0, 0, 0, 255}};

// A length of the given pixels in screen units at the current grid; whole pixels survive
// snapping unchanged.
inline float px(float pixels) {
    return pixels * pixelSize;
}

// A pixel rectangle, right and bottom excluded, and how many pixels in it matched; the
// default value is the empty box of no match.
struct MatchedBox {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    int count = 0;

    bool operator==(const MatchedBox& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom &&
               count == o.count;
    }
};

inline std::ostream& operator<<(std::ostream& out, const MatchedBox& box) {
    return out << "[" << box.left << ", " << box.top << ") .. [" << box.right << ", " << box.bottom
               << ") with " << box.count << " px";
}

// The box of a rectangle whose every pixel matched.
inline MatchedBox solidBox(int left, int top, int right, int bottom) {
    return {left, top, right, bottom, (right - left) * (bottom - top)};
}

// The box of the pixels that match, in a top-down RGBA frame from GlTest::frame().
inline MatchedBox boxWhere(const std::vector<unsigned char>& frame,
                         const std::function<bool(Color)>& match) {
    MatchedBox box;
    for (int y = 0; y < kTestWindowHeight; ++y) {
        for (int x = 0; x < kTestWindowWidth; ++x) {
            const unsigned char* p = &frame[(size_t(y) * kTestWindowWidth + x) * 4];
            if (!match({{p[0], p[1], p[2], p[3]}}))
                continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1), box.count + 1};
        }
    }
    return box;
}

// The box of the pixels of exactly this colour.
inline MatchedBox boxOf(const std::vector<unsigned char>& frame, Color color) {
    return boxWhere(frame, [color](Color c) { return c == color; });
}

// The box of everything drawn over the black clear colour.
inline MatchedBox litBox(const std::vector<unsigned char>& frame) {
    return boxWhere(frame, [](Color c) { return c != kBlack; });
}

}  // namespace trellis
