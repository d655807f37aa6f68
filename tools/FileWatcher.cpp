// Watching files through inotify on their folders.
#include "FileWatcher.h"

#include <cerrno>
#include <filesystem>
#include <sys/inotify.h>
#include <unistd.h>

namespace trellis {

FileWatcher::FileWatcher() : descriptor(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

FileWatcher::~FileWatcher() {
    if (descriptor >= 0)
        ::close(descriptor);
}

bool FileWatcher::watch(const std::string& path) {
    if (!watchName(path))
        return false;
    // Saving through a link writes the file it leads to, which may live in another folder.
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const std::filesystem::path target = std::filesystem::canonical(path, error);
        if (!error)
            watchName(target.string());
    }
    return true;
}

bool FileWatcher::watchName(const std::string& path) {
    if (descriptor < 0)
        return false;
    const std::filesystem::path file(path);
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    // A new file under the name arrives written-and-closed, renamed onto it or created (a link
    // is created and never written); the old one leaves by a rename or a removal.
    const int watchId = inotify_add_watch(descriptor, folder.c_str(),
                                          IN_CLOSE_WRITE | IN_CREATE | IN_MOVED_TO | IN_MOVED_FROM |
                                              IN_DELETE | IN_ONLYDIR);
    if (watchId < 0)
        return false;
    namesByWatch[watchId].insert(file.filename().string());
    return true;
}

bool FileWatcher::changed() {
    bool any = false;
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return any;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const auto watched = namesByWatch.find(event->wd);
            // Lost events may have been about our files: count an overflow as a change.
            if (event->mask & IN_Q_OVERFLOW)
                any = true;
            else if (watched != namesByWatch.end() && event->len > 0 &&
                     watched->second.count(event->name))
                any = true;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
}

}  // namespace trellis
