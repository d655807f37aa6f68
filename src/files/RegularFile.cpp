// Regular files only, opened without blocking and read up to a limit.
#include "files/RegularFile.h"

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trellis {

namespace {

// Closes a descriptor when it goes out of scope.
class FileCloser {
public:
    explicit FileCloser(int descriptor) : descriptor(descriptor) {}
    ~FileCloser() { ::close(descriptor); }
    FileCloser(const FileCloser&) = delete;
    FileCloser& operator=(const FileCloser&) = delete;

private:
    int descriptor;
};

}  // namespace

int openRegularFile(const char* path) {
    if (!path)
        return -1;
    // O_NONBLOCK keeps open from waiting for a FIFO's writer; on a regular file it changes
    // nothing. What is not a regular file (FIFO, device, folder, socket) is refused unread:
    // /dev/zero never ends and a FIFO may never deliver.
    const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return -1;
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return -1;
    }
    return descriptor;
}

bool readRegularFile(const char* path, size_t maxBytes, std::string& bytes) {
    const int descriptor = openRegularFile(path);
    if (descriptor < 0)
        return false;
    FileCloser closer(descriptor);
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || status.st_size < 0 ||
        static_cast<unsigned long long>(status.st_size) > maxBytes)
        return false;
    // The size is only a hint: the file may grow or shrink while it is read. One byte past the
    // limit is asked for, so that a file that grew beyond it is seen to have done so.
    bytes.clear();
    bytes.reserve(static_cast<size_t>(status.st_size) + 1);
    char chunk[65536];
    while (bytes.size() <= maxBytes) {
        const size_t room = maxBytes - bytes.size();
        const size_t wanted = room < sizeof chunk ? room + 1 : sizeof chunk;
        const ssize_t got = ::read(descriptor, chunk, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(chunk, static_cast<size_t>(got));
    }
    return false;
}

}  // namespace trellis
