// The skin image atlas: reading pictures once, packing them in shelves, and its texture.
#include "gui/look/SkinImageAtlas.h"

#include "state/KeptVariable.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace trellis {

namespace {

constexpr int kSmallestAtlasSide = 256;
constexpr int kEdge = 1;  // the repeated edge around each picture

// The file's modification time and size, or size -1 when it cannot be asked.
void fileStamp(const std::string& path, long long& modified, long long& size) {
    std::error_code error;
    const auto time = std::filesystem::last_write_time(path, error);
    const auto bytes = std::filesystem::file_size(path, error);
    modified = error ? 0 : static_cast<long long>(time.time_since_epoch().count());
    size = error ? -1 : static_cast<long long>(bytes);
}

}  // namespace

int SkinImageAtlas::add(const std::string& path, std::string& problem) {
    const auto known = byPath.find(path);
    if (known != byPath.end()) {
        problem = known->second.problem;
        return known->second.picture;
    }
    Outcome outcome;
    fileStamp(path, outcome.modified, outcome.size);
    PngImage image;
    if (!readPngFile(path.c_str(), image, &outcome.problem)) {
        // The reader's reason says why.
    } else if (image.width > kMaxSkinImageSide || image.height > kMaxSkinImageSide) {
        outcome.problem = std::to_string(image.width) + " x " + std::to_string(image.height) +
                          " pixels is larger than a skin picture may be (" +
                          std::to_string(kMaxSkinImageSide) + " a side)";
    } else {
        sources.push_back(std::move(image));
        places.emplace_back();
        places.back().opaque = allOpaque(sources.back().rgba);
        int side = std::max(kSmallestAtlasSide, atlasWidth);
        while (!pack(side) && side < kMaxSkinAtlasSide)
            side *= 2;
        if (side <= kMaxSkinAtlasSide && pack(side)) {
            outcome.picture = int(sources.size()) - 1;
            paint();
        } else {
            sources.pop_back();
            places.pop_back();
            pack(atlasWidth);
            outcome.problem = "no room is left for it among the skins' pictures (" +
                              std::to_string(kMaxSkinAtlasSide) + " pixels square in all)";
        }
    }
    problem = outcome.problem;
    return byPath.emplace(path, std::move(outcome)).first->second.picture;
}

void SkinImageAtlas::refresh(const std::string& path) {
    const auto known = byPath.find(path);
    if (known == byPath.end())
        return;
    long long modified = 0, size = -1;
    fileStamp(path, modified, size);
    // The pixels read before stay in the atlas: elements may still show them until re-skinned.
    if (known->second.picture < 0 || modified != known->second.modified ||
        size != known->second.size)
        byPath.erase(known);
}

bool SkinImageAtlas::pack(int side) {
    // Shelves in the order the pictures came, each as high as its highest picture.
    int x = 0, y = 0, shelf = 0;
    for (size_t i = 0; i < sources.size(); ++i) {
        const int w = sources[i].width + 2 * kEdge, h = sources[i].height + 2 * kEdge;
        if (w > side)
            return false;
        if (x + w > side) {
            y += shelf;
            x = shelf = 0;
        }
        places[i].x = x + kEdge;
        places[i].y = y + kEdge;
        places[i].width = sources[i].width;
        places[i].height = sources[i].height;
        x += w;
        shelf = std::max(shelf, h);
    }
    if (y + shelf > side)
        return false;
    atlasWidth = side;
    atlasHeight = std::max(y + shelf, 1);
    return true;
}

void SkinImageAtlas::paint() {
    std::vector<uint8_t> rgba(size_t(atlasWidth) * size_t(atlasHeight) * 4, 0);
    for (size_t i = 0; i < sources.size(); ++i) {
        const PngImage& source = sources[i];
        const AtlasPlace& at = places[i];
        // Each atlas pixel of the picture's cell takes the nearest picture pixel: inside, its
        // own; around it, the edge's.
        for (int y = -kEdge; y < source.height + kEdge; ++y) {
            const int fromY = std::clamp(y, 0, source.height - 1);
            for (int x = -kEdge; x < source.width + kEdge; ++x) {
                const int fromX = std::clamp(x, 0, source.width - 1);
                const uint8_t* from = &source.rgba[(size_t(fromY) * source.width + fromX) * 4];
                uint8_t* to = &rgba[(size_t(at.y + y) * atlasWidth + size_t(at.x + x)) * 4];
                std::copy(from, from + 4, to);
            }
        }
    }
    if (atlas)
        former.push_back(std::move(atlas));
    atlas = std::make_unique<Picture>(atlasWidth, atlasHeight, std::move(rgba));
    ++changes;
}

unsigned int SkinImageAtlas::texture() {
    return atlas ? atlas->texture() : 0;
}

namespace {

// The interface's atlas, made when first asked for; like the white picture, never destroyed
// at exit, and deleted by releaseSkinImageAtlas.
SkinImageAtlas* interfaceAtlas = nullptr;
const bool perInterface = keepPerInterface(interfaceAtlas);

}  // namespace

SkinImageAtlas& skinImageAtlas() {
    if (!interfaceAtlas)
        interfaceAtlas = new SkinImageAtlas();
    return *interfaceAtlas;
}

void releaseSkinImageAtlas() {
    delete interfaceAtlas;
    interfaceAtlas = nullptr;
}

}  // namespace trellis
