// PictureLoad: the pictures that one load of a dialogue decodes, each file once, and the limit
// on the pixels they hold together.
#pragma once

#include "files/PngFile.h"

#include <memory>
#include <string>
#include <unordered_map>

namespace trellis {

class Picture;

// The most pixels one load decodes for its pictures, all files together (256 MiB as RGBA):
// room for two pictures of the largest size a file may have. Many elements naming one file
// count it once.
constexpr long long kMaxLoadPicturePixels = 64LL * 1024 * 1024;

// While it lives, the load that images join when they read their pictures; loads nest.
class PictureLoad {
public:
    PictureLoad();
    ~PictureLoad();
    PictureLoad(const PictureLoad&) = delete;
    PictureLoad& operator=(const PictureLoad&) = delete;

    // The innermost living load, or null.
    static PictureLoad* current();

    // The picture of the PNG file at path, decoded at the first request for it in this load
    // and shared from then on. Null, with the reason in problem (the same for every request),
    // when it cannot be read or would take this load's pictures past kMaxLoadPicturePixels.
    std::shared_ptr<Picture> picture(const std::string& path, std::string& problem);

private:
    // What reading one file gave: its picture, or why there is none.
    struct Outcome {
        std::shared_ptr<Picture> picture;
        std::string problem;
    };

    std::unordered_map<std::string, Outcome> byPath;  // by the path as the image gave it
    PngPixelBudget budget{kMaxLoadPicturePixels, 0};
    PictureLoad* outer;
};

// How many times images have read a PNG file since the program started, for the tests.
long long pictureFilesRead();

}  // namespace trellis
