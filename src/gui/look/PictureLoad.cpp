// Loads of pictures: each file decoded once per load, within the load's limit on pixels.
#include "gui/look/PictureLoad.h"

#include "gui/look/Picture.h"

#include <atomic>

namespace trellis {

namespace {

PictureLoad* innermost = nullptr;
std::atomic<long long> readCount{0};

}  // namespace

PictureLoad::PictureLoad() : outer(innermost) {
    innermost = this;
}

PictureLoad::~PictureLoad() {
    innermost = outer;
}

PictureLoad* PictureLoad::current() {
    return innermost;
}

std::shared_ptr<Picture> PictureLoad::picture(const std::string& path, std::string& problem) {
    // By the path as written: a file reached by several names is read once for each, and
    // counted against the limit each time.
    const auto known = byPath.find(path);
    if (known != byPath.end()) {
        problem = known->second.problem;
        return known->second.picture;
    }
    Outcome outcome;
    PngImage image;
    ++readCount;
    if (readPngFile(path.c_str(), image, &outcome.problem, &budget)) {
        budget.used += static_cast<long long>(image.width) * image.height;
        outcome.picture =
            std::make_shared<Picture>(image.width, image.height, std::move(image.rgba));
    }
    problem = outcome.problem;
    return byPath.emplace(path, std::move(outcome)).first->second.picture;
}

long long pictureFilesRead() {
    return readCount;
}

}  // namespace trellis
