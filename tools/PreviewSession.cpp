// Rebuilding the previewed interface, and falling back to the last good files.
#include "PreviewSession.h"

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
    tearDown(shown);
    DiagnosticCollector collector;
    BuiltInterface built = buildInterface(files);
    shown = built.dialogue;
    found = collector.diagnostics();
    for (const std::string& failure : built.failures)
        found.push_back(Diagnostic{"", 0, 0, Severity::Error, failure});
    const bool good = built.failures.empty() && collector.count(Severity::Error) == 0;
    if (good)
        keepGoodFiles();
    else
        rebuildFromKept();
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
    // Each file gets a folder of its own: a dialogue and a skin may share a name.
    InterfaceFiles copies = files;
    std::error_code error;
    int index = 0;
    for (std::string* file : {&copies.dialogue, &copies.skin, &copies.font}) {
        const std::string folder = keptFolder + "/" + std::to_string(index++);
        std::filesystem::create_directories(folder, error);
        *file = copyInto(folder, *file, error);
        if (error)
            return;  // the copies from before stay the last good ones
    }
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
