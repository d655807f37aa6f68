// Finding the pictures a dialogue names and copying them along with it.
#include "PreviewPictures.h"

#include "files/PngFile.h"
#include "files/XmlFile.h"
#include "trellis/diagnostics/DiagnosticCollector.h"

#include <cstring>
#include <filesystem>
#include <set>
#include <tinyxml.h>

namespace trellis {

namespace {

// How many ".." a relative source starts with once "a/../" pairs are taken out; -1 when the
// source is absolute or names no file.
int climbOf(const std::string& src) {
    const std::filesystem::path normal = std::filesystem::path(src).lexically_normal();
    if (normal.is_absolute() || normal.empty() || !normal.has_filename())
        return -1;
    int climb = 0;
    for (const std::filesystem::path& part : normal) {
        if (part != "..")
            break;
        ++climb;
    }
    return climb;
}

}  // namespace

bool readPictureSources(const std::string& dialogue, std::vector<std::string>& sources) {
    // The loader has told the user about this file already.
    DiagnosticCollector quiet;
    TiXmlDocument document(dialogue.c_str());
    if (!loadXmlFile(document))
        return false;
    std::vector<std::string> found;
    std::set<std::string> seen;
    // Every image element, depth first in file order, wherever it stands.
    std::vector<const TiXmlElement*> stack;
    for (const TiXmlElement* element = document.FirstChildElement(); element;) {
        const char* src = element->Attribute("src");
        if (std::strcmp(element->Value(), "image") == 0 && src && seen.insert(src).second)
            found.push_back(src);
        if (const TiXmlElement* child = element->FirstChildElement()) {
            stack.push_back(element);
            element = child;
            continue;
        }
        element = element->NextSiblingElement();
        while (!element && !stack.empty()) {
            element = stack.back()->NextSiblingElement();
            stack.pop_back();
        }
    }
    sources = std::move(found);
    return true;
}

std::string picturePath(const std::string& dialogue, const std::string& src) {
    const std::filesystem::path path(src);
    if (path.is_absolute())
        return src;
    return (std::filesystem::path(dialogue).parent_path() / path).string();
}

int pictureClimb(const std::vector<std::string>& sources) {
    int most = 0;
    for (const std::string& src : sources) {
        const int climb = climbOf(src);
        if (climb <= kMostPictureClimb && climb > most)
            most = climb;
    }
    return most;
}

void copyPictures(const std::string& dialogue, const std::vector<std::string>& sources,
                  const std::string& copyOfDialogue) {
    for (const std::string& src : sources) {
        const int climb = climbOf(src);
        if (climb < 0 || climb > kMostPictureClimb)
            continue;
        const std::filesystem::path copy =
            (std::filesystem::path(copyOfDialogue).parent_path() / src).lexically_normal();
        // A source that climbs back down onto the dialogue's own copy must not replace it.
        if (copy == std::filesystem::path(copyOfDialogue).lexically_normal())
            continue;
        // Only what the image element would read: a FIFO would block the copy, and a larger
        // file is refused anyway.
        const std::string picture = picturePath(dialogue, src);
        std::error_code error;
        if (!std::filesystem::is_regular_file(picture, error) ||
            std::filesystem::file_size(picture, error) > kMaxPngFileBytes || error)
            continue;
        std::filesystem::create_directories(copy.parent_path(), error);
        std::filesystem::copy_file(picture, copy, std::filesystem::copy_options::overwrite_existing,
                                   error);
    }
}

}  // namespace trellis
