// Reading and writing PNG images as plain 8-bit RGBA pixels, for pictures users hand us and for
// the images our tools write. Files are read through the regular-file reader, with limits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace trellis {

// The largest PNG file read, in bytes; a larger one is refused unread.
constexpr size_t kMaxPngFileBytes = 64 * 1024 * 1024;

// The widest or tallest image accepted, in pixels.
constexpr int kMaxPngSide = 16384;

// The most pixels accepted in one image (4 bytes each once decoded).
constexpr long long kMaxPngPixels = 32LL * 1024 * 1024;

// A limit on the pixels that several reads decode together: each read is refused, unread, if
// its image would take used past total; the caller adds what was read to used.
struct PngPixelBudget {
    long long total = kMaxPngPixels;
    long long used = 0;
};

// An image in memory: rows from the top, each pixel red, green, blue, alpha, 8 bits each.
struct PngImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // width * height * 4 bytes
};

// Reads the PNG file at path into image, whatever its colour type and bit depth. False, with
// image emptied and the reason in *reason (when given), for a missing or unreadable file,
// anything but a regular file, a file over kMaxPngFileBytes, one that is not a PNG, a
// truncated or corrupt one, an image wider or taller than kMaxPngSide or with more than
// kMaxPngPixels pixels, one over the budget (when given), and when memory runs out: the
// reason is the file reader's or libpng's own.
bool readPngFile(const char* path, PngImage& image, std::string* reason = nullptr,
                 const PngPixelBudget* budget = nullptr);

// Writes image to path as an 8-bit RGBA PNG, replacing any file there. False, with the reason
// in *reason (when given), when the image's size and its pixels disagree, it is empty or over
// the limits, or the file cannot be written.
bool writePngFile(const char* path, const PngImage& image, std::string* reason = nullptr);

}  // namespace trellis
