// PreviewSession: the interface trellis-preview shows, rebuilt from its files on demand, with
// the diagnostics of the last attempt, the last good build (with its pictures) kept when a save
// breaks a file, and the skins of the skin file taken in turn.
#pragma once

#include "InterfaceFiles.h"
#include "PreviewCarryOver.h"
#include "trellis/diagnostics/Diagnostic.h"

#include <string>
#include <vector>

namespace trellis {

// Needs initHostGui done and the GL context current for its whole life.
class PreviewSession {
public:
    // Takes the files and the first skins to merge; builds nothing yet.
    explicit PreviewSession(InterfaceFiles files);
    // Destroys the interface and the copies of the last good files.
    ~PreviewSession();
    PreviewSession(const PreviewSession&) = delete;
    PreviewSession& operator=(const PreviewSession&) = delete;

    // Rebuilds the interface from the files. When a file does not load, or a loader reports an
    // error, the interface built from the last files that loaded cleanly is shown again (if
    // there were any) and false is returned. Either way diagnostics() tells what was found, and
    // the windows the user moved and the texts typed into fields stay where the new interface
    // has the same elements.
    bool reload();

    // Moves on to the next skin of the skin file, merged over the file's first skin as the
    // demo merges "test" over "default", and rebuilds; after the last comes the first alone.
    bool nextSkin();

    // The diagnostics of the last reload, the loaders' own and then one without a file for each
    // file or skin that did not load.
    const std::vector<Diagnostic>& diagnostics() const { return found; }

    // The skins merged, in order, as "default + test".
    std::string skinLabel() const;

    // The pictures the dialogue names, where its image elements read them, as of the last
    // reload that found the dialogue well-formed.
    std::vector<std::string> pictures() const;

private:
    void keepGoodFiles();
    void rebuildFromKept();

    InterfaceFiles files;
    std::string keptFolder;      // copies of the last files that loaded cleanly; "" before any
    std::string keptGeneration;  // the folder in keptFolder that holds the copies now
    int keeps = 0;               // how many folders of copies were begun
    InterfaceFiles kept;         // the same files under keptGeneration, pictures beside them
    std::vector<std::string> pictureSources;  // the dialogue's image sources, as written
    LoadedDialogue shown;                     // the elements built by the last build
    PreviewCarryOver carried;                 // what the user changed in them
    std::vector<Diagnostic> found;
};

}  // namespace trellis
