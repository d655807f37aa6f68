// The pictures a dialogue file names (the `src` of its image elements): where the image
// elements read them, and copying them beside a copy of the dialogue so that the copy shows
// the same pictures.
#pragma once

#include <string>
#include <vector>

namespace trellis {

// The `src` texts of the dialogue file's image elements, each once, in file order. False, with
// sources untouched, when the file does not load as XML. Reports nothing.
bool readPictureSources(const std::string& dialogue, std::vector<std::string>& sources);

// The path an image element of the dialogue file reads for src: src itself when absolute,
// otherwise taken from the dialogue file's folder.
std::string picturePath(const std::string& dialogue, const std::string& src);

// How many folders up ("..") the relative sources climb from the dialogue's folder, at most;
// sources climbing more than kMostPictureClimb are left out.
int pictureClimb(const std::vector<std::string>& sources);

// The highest climb a copied picture may make.
constexpr int kMostPictureClimb = 16;

// Copies the pictures that the relative sources name, read beside the dialogue file, to the
// same places beside copyOfDialogue, whose folder must sit pictureClimb(sources) folders deep
// in a folder of its own. Pictures that cannot be read or copied are passed over: the copy
// then draws them as the dialogue would without them.
void copyPictures(const std::string& dialogue, const std::vector<std::string>& sources,
                  const std::string& copyOfDialogue);

}  // namespace trellis
