// Rebuilding the previewed interface, and falling back to the last good files.
#include "PreviewSession.h"

#include "PreviewPictures.h"
#include "trellis/diagnostics/DiagnosticCollector.h"
#include "trellis/gui/GuiRoot.h"
#include "trellis/style/SkinStore.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace trellis {

namespace {

// Takes down what a build made: its elements, and the store its skins and named elements
// filled, so that the next build starts from nothing.
void tearDown(LoadedDialogue& dialogue) {
    destroyDialogue(dialogue);
    skinStore.clear();
}

// A copy of file in folder, under its own name; the copy's path.
std::string copyInto(const std::string& folder, const std::string& file, std::error_code& error) {
    const auto copy = std::filesystem::path(folder) / std::filesystem::path(file).filename();
    std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing,
                               error);
    return copy.string();
}

}  // namespace

PreviewSession::PreviewSession(InterfaceFiles files) : files(std::move(files)) {}

PreviewSession::~PreviewSession() {
    tearDown(shown);
    if (!keptFolder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(keptFolder, ignored);
    }
}

bool PreviewSession::reload() {
    carried.takeFrom(shown);
    tearDown(shown);
    DiagnosticCollector collector;
    BuiltInterface built = buildInterface(files);
    shown = built.dialogue;
    found = collector.diagnostics();
    for (const std::string& failure : built.failures)
        found.push_back(Diagnostic{"", 0, 0, Severity::Error, failure});
    const bool good = built.failures.empty() && collector.count(Severity::Error) == 0;
    readPictureSources(files.dialogue, pictureSources);
    if (good)
        keepGoodFiles();
    else
        rebuildFromKept();
    carried.carryInto(shown);
    return good;
}

bool PreviewSession::nextSkin() {
    const std::vector<std::string> names = skinNames(files.skin.c_str());
    if (names.empty())
        return reload();
    // Where the current last skin stands in the file; one past it comes next.
    const auto current = std::find(names.begin(), names.end(), files.skinNames.back());
    const size_t next =
        current == names.end() ? 0 : size_t(current - names.begin() + 1) % names.size();
    files.skinNames = {names.front()};
    if (next > 0)
        files.skinNames.push_back(names[next]);
    return reload();
}

std::vector<std::string> PreviewSession::pictures() const {
    std::vector<std::string> paths;
    for (const std::string& src : pictureSources)
        paths.push_back(picturePath(files.dialogue, src));
    return paths;
}

std::string PreviewSession::skinLabel() const {
    std::string label;
    for (const std::string& name : files.skinNames)
        label += (label.empty() ? "" : " + ") + name;
    return label;
}

void PreviewSession::keepGoodFiles() {
    if (keptFolder.empty()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "trellis-preview-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        keptFolder = pattern;
    }
    // Each keep fills a fresh folder: a failed copy leaves the last good copies whole, and
    // pictures the dialogue no longer names do not linger.
    const std::string generation = keptFolder + "/" + std::to_string(++keeps);
    // Each file gets a folder of its own, as a dialogue and a skin may share a name. The
    // dialogue's copy sits deep enough in its folder for its pictures' ".." to stay inside.
    std::string dialogueFolder = generation + "/0";
    for (int i = pictureClimb(pictureSources); i > 0; --i)
        dialogueFolder += "/d";
    InterfaceFiles copies = files;
    std::error_code error;
    std::vector<std::pair<std::string*, std::string>> places{{&copies.dialogue, dialogueFolder},
                                                             {&copies.skin, generation + "/1"}};
    for (size_t i = 0; i < copies.fonts.size(); ++i)
        places.emplace_back(&copies.fonts[i], generation + "/" + std::to_string(i + 2));
    for (const auto& [file, folder] : places) {
        std::filesystem::create_directories(folder, error);
        if (!error)
            *file = copyInto(folder, *file, error);
        if (error) {
            std::filesystem::remove_all(generation, error);
            return;  // the copies from before stay the last good ones
        }
    }
    // The copy names its pictures relative to itself: they come along, as they are now.
    copyPictures(files.dialogue, pictureSources, copies.dialogue);
    if (!keptGeneration.empty())
        std::filesystem::remove_all(keptGeneration, error);
    keptGeneration = generation;
    kept = copies;
}

void PreviewSession::rebuildFromKept() {
    if (kept.dialogue.empty())
        return;  // nothing loaded cleanly yet: what did load stays on screen
    tearDown(shown);
    // The copies loaded cleanly before; whatever they say now is not the user's news.
    DiagnosticCollector quiet;
    InterfaceFiles last = kept;
    last.skinNames = files.skinNames;
    shown = buildInterface(last).dialogue;
}

}  // namespace trellis
