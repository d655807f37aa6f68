// FileWatcher: notices when files are saved, replaced or removed, through inotify on their
// folders, since editors often save by writing a new file and renaming it over the old one.
#pragma once

#include <map>
#include <set>
#include <string>

namespace trellis {

// Watches a set of files by name in their folders; never blocks.
class FileWatcher {
public:
    FileWatcher();   // an inotify instance, or none (watch then fails)
    ~FileWatcher();  // closes it
    FileWatcher(const FileWatcher&) = delete;
    FileWatcher& operator=(const FileWatcher&) = delete;

    // Starts watching the file at path: its folder, for the file being written and closed,
    // renamed onto, renamed away or removed. False when the folder cannot be watched.
    bool watch(const std::string& path);

    // Reads the events waiting, without waiting for more; true when any concerns a watched file.
    bool changed();

private:
    int descriptor = -1;
    std::map<int, std::set<std::string>> namesByWatch;  // folder's watch -> watched names in it
};

}  // namespace trellis
