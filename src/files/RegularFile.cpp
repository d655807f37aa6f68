// Regular files only, opened without blocking and read up to a limit.
#include "files/RegularFile.h"

#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <string>
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

// Says why, when the caller asks, and gives the failure result.
template <typename Result> Result fail(std::string* problem, const std::string& why, Result r) {
    if (problem)
        *problem = why;
    return r;
}

// A phrase for errno after a failed open or read.
std::string errnoPhrase(int error) {
    switch (error) {
    case ENOENT:
        return "no such file";
    case EACCES:
    case EPERM:
        return "permission denied";
    case ENOTDIR:
        return "a folder on its path is not a folder";
    case EISDIR:
        return "a folder, not a file";
    case ELOOP:
        return "too many symbolic links";
    default: {
        std::string phrase = std::strerror(error);
        if (!phrase.empty())
            phrase[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(phrase[0])));
        return phrase;
    }
    }
}

// What a file that is not a regular file is instead.
std::string kindPhrase(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder, not a file";
    if (S_ISFIFO(mode))
        return "a FIFO, not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device, not a regular file";
    if (S_ISSOCK(mode))
        return "a socket, not a regular file";
    return "not a regular file";
}

}  // namespace

int openRegularFile(const char* path, std::string* problem) {
    if (!path)
        return fail(problem, "no file name", -1);
    // O_NONBLOCK keeps open from waiting for a FIFO's writer; on a regular file it changes
    // nothing. What is not a regular file (FIFO, device, folder, socket) is refused unread:
    // /dev/zero never ends and a FIFO may never deliver.
    const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return fail(problem, errnoPhrase(errno), -1);
    struct stat status;
    const bool known = ::fstat(descriptor, &status) == 0;
    if (!known || !S_ISREG(status.st_mode)) {
        const std::string why = known ? kindPhrase(status.st_mode) : errnoPhrase(errno);
        ::close(descriptor);
        return fail(problem, why, -1);
    }
    return descriptor;
}

bool readRegularFile(const char* path, size_t maxBytes, std::string& bytes, std::string* problem) {
    const int descriptor = openRegularFile(path, problem);
    if (descriptor < 0)
        return false;
    FileCloser closer(descriptor);
    const auto tooLarge = [maxBytes] {
        return "larger than the limit of " + std::to_string(maxBytes) + " bytes";
    };
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || status.st_size < 0)
        return fail(problem, errnoPhrase(errno), false);
    if (static_cast<unsigned long long>(status.st_size) > maxBytes)
        return fail(problem, tooLarge(), false);
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
            return fail(problem, errnoPhrase(errno), false);
        if (got == 0)
            return true;
        bytes.append(chunk, static_cast<size_t>(got));
    }
    return fail(problem, tooLarge(), false);
}

}  // namespace trellis
