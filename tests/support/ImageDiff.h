// Test support: exact comparison of two RGBA images, with a readable account of the pixels that
// differ and a difference image to look at.
#pragma once

#include "files/PngFile.h"

#include <cstdio>
#include <string>

namespace trellis {

// How two images differ: nothing when sizes match and every pixel is equal.
struct ImageDifference {
    bool sizesDiffer = false;
    long long pixels = 0;  // how many pixels differ
    std::string account;   // sizes, count, and the first few pixels with both colours
    PngImage picture;      // the expected image dimmed, with differing pixels in pure red
};

// Compares actual with expected pixel by pixel, listing up to shown differing pixels.
inline ImageDifference compareImages(const PngImage& expected, const PngImage& actual,
                                     int shown = 8) {
    ImageDifference difference;
    auto size = [](const PngImage& image) {
        return std::to_string(image.width) + " x " + std::to_string(image.height);
    };
    if (expected.width != actual.width || expected.height != actual.height) {
        difference.sizesDiffer = true;
        difference.account = "expected a " + size(expected) + " image, got " + size(actual);
        return difference;
    }
    difference.picture = expected;
    std::string first;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const size_t at = (size_t(y) * expected.width + x) * 4;
            const uint8_t* want = &expected.rgba[at];
            const uint8_t* got = &actual.rgba[at];
            uint8_t* shownPixel = &difference.picture.rgba[at];
            if (std::equal(want, want + 4, got)) {
                for (int channel = 0; channel < 3; ++channel)
                    shownPixel[channel] = uint8_t(64 + want[channel] / 4);
                continue;
            }
            shownPixel[0] = 255;
            shownPixel[1] = shownPixel[2] = 0;
            shownPixel[3] = 255;
            if (difference.pixels++ < shown) {
                char line[128];
                std::snprintf(line, sizeof line,
                              "\n  (%d, %d): expected %d,%d,%d,%d, got %d,%d,%d,%d", x, y, want[0],
                              want[1], want[2], want[3], got[0], got[1], got[2], got[3]);
                first += line;
            }
        }
    if (difference.pixels > 0)
        difference.account = std::to_string(difference.pixels) + " of " +
                             std::to_string(long(expected.width) * expected.height) +
                             " pixels differ; the first (x, y from the top-left):" + first;
    return difference;
}

}  // namespace trellis
