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
    // created (a new link among them), renamed onto, renamed away or removed. When path is a
    // link, the folder of the file it leads to is watched for that file too, as the link stands
    // now (watching again after a change follows a link that moved). Watching a file twice is
    // harmless. False when the folder cannot be watched.
    bool watch(const std::string& path);

    // Reads the events waiting, without waiting for more; true when any concerns a watched file.
    bool changed();

private:
    bool watchName(const std::string& path);

    int descriptor = -1;
    std::map<int, std::set<std::string>> namesByWatch;  // folder's watch -> watched names in it
};

}  // namespace trellis
