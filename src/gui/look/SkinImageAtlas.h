// SkinImageAtlas: every picture that skins name, packed into one texture so that the elements
// drawing them share draw calls; each file read once, by its path.
#pragma once

#include "files/PngFile.h"
#include "gui/look/Picture.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace trellis {

// The widest or tallest picture a skin may name, and the atlas's own largest side, in pixels.
constexpr int kMaxSkinImageSide = 2048;
constexpr int kMaxSkinAtlasSide = 4096;

// Where one picture lies in the atlas, in atlas pixels (its edge pixels repeated one pixel
// around it, so that filtering at its edges never reaches a neighbour).
struct AtlasPlace {
    int x = 0, y = 0, width = 0, height = 0;
    bool opaque = true;  // every pixel's alpha is 255
};

// The pictures, and the one texture they are packed into.
class SkinImageAtlas {
public:
    // The number of the PNG picture at path, read and packed at the first request; -1, with the
    // reason in problem (the same for every request), when it cannot be read, is larger than
    // kMaxSkinImageSide or leaves no room in the atlas.
    int add(const std::string& path, std::string& problem);
    // Forgets what reading path gave if the file changed since (or could not be read), so that
    // the next add reads it again; a skin being loaded asks this of each picture it names.
    void refresh(const std::string& path);

    const AtlasPlace& place(int picture) const { return places[size_t(picture)]; }
    int width() const { return atlasWidth; }    // pixels
    int height() const { return atlasHeight; }  // pixels
    // The atlas texture in the current context, made there at the first call after a change.
    unsigned int texture();
    // Lets go of the textures of the atlas as it was before pictures joined: a frame recorded
    // while one joined may still draw from them until it is drawn. A renderer calls it before
    // it records a frame.
    void releaseFormerTextures() { former.clear(); }
    // Moves on whenever a picture joins, which may move the others: drawing recorded before
    // then is out of date.
    unsigned long generation() const { return changes; }

private:
    // What reading one path gave, and the file's time and size then.
    struct Outcome {
        int picture = -1;
        std::string problem;
        long long modified = 0;  // the file's time, as the file system counts it
        long long size = -1;
    };
    bool pack(int atlasSide);  // places every picture in a square of that side; false: no room
    void paint();              // the atlas pixels from the pictures and their places

    std::unordered_map<std::string, Outcome> byPath;
    std::vector<PngImage> sources;                 // each picture's pixels, by number
    std::vector<AtlasPlace> places;                // by number
    std::unique_ptr<Picture> atlas;                // every picture in its place
    std::vector<std::unique_ptr<Picture>> former;  // replaced atlases, kept for one frame
    int atlasWidth = 0, atlasHeight = 0;
    unsigned long changes = 0;
};

// The current interface's atlas; lives as long as the interface (no context may be current at
// exit to delete its textures in).
SkinImageAtlas& skinImageAtlas();
// Deletes the current interface's atlas and its texture in the current context.
void releaseSkinImageAtlas();

}  // namespace trellis
