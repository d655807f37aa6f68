// Output files written beside their target and renamed onto it, or copied into a device.
#include "AtomicWrite.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trellis {

namespace {

// "cannot <what> '<path>': <the system's reason>".
std::string failure(const char* what, const std::string& path) {
    return std::string("cannot ") + what + " '" + path + "': " + std::strerror(errno);
}

// Creates a new, empty file whose path starts with stem, never one that exists already: the
// mode is 0666 less the umask, as a plain fopen would give. Its path goes into path.
bool createFresh(const std::string& stem, std::string& path, std::string& error) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = stem + std::to_string(getpid()) + "-" + std::to_string(serial++);
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    error = failure("create", path);
    return false;
}

// Flushes path's content to the disk: a full disk may show only now.
bool syncFile(const std::string& path, std::string& error) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && fsync(fd) == 0;
    if (!synced)
        error = failure("write", path);
    if (fd >= 0)
        close(fd);
    return synced;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        size -= size_t(done);
    }
    return true;
}

// Copies the file at from into target, an existing device or FIFO, opened without creating or
// truncating anything; a FIFO without a reader is refused rather than waited for.
bool copyInto(const std::string& from, const std::string& target, std::string& error) {
    const int in = open(from.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        error = failure("read", from);
        return false;
    }
    const int out = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    bool copied = out >= 0 && fcntl(out, F_SETFL, 0) == 0;
    char buffer[65536];
    ssize_t got = 0;
    while (copied && ((got = read(in, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)))
        copied = got < 0 || writeAll(out, buffer, size_t(got));
    copied = copied && got == 0;
    if (!copied)
        error = failure("write", target);
    if (out >= 0 && close(out) != 0 && copied) {
        error = failure("write", target);
        copied = false;
    }
    close(in);
    return copied;
}

// Failures name the file that was asked for, not the temporary one written first.
void nameTarget(std::string& error, const std::string& temporary, const std::string& target) {
    for (size_t at = error.find(temporary); at != std::string::npos;
         at = error.find(temporary, at + target.size()))
        error.replace(at, temporary.size(), target);
}

// Writes a device or FIFO: the output is made whole in the temporary folder first, so that a
// writer that fails halfway sends nothing, and its failure removes only its own copy.
bool writeDirectly(const std::string& target, const OutputWriter& write, std::string& error) {
    const char* folder = std::getenv("TMPDIR");
    std::string copy;
    if (!createFresh(std::string(folder && *folder ? folder : "/tmp") + "/trellis-output-", copy,
                     error))
        return false;
    const bool written = write(copy, error) && copyInto(copy, target, error);
    nameTarget(error, copy, target);
    unlink(copy.c_str());
    return written;
}

// The regular file that target names, symbolic links followed, or target itself when nothing
// is there yet. False for a link that leads nowhere.
bool resolveTarget(const std::string& target, std::string& resolved, std::string& error) {
    struct stat link;
    resolved = target;
    if (lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return true;
    char* real = realpath(target.c_str(), nullptr);
    if (!real) {
        error = failure("follow the link", target);
        return false;
    }
    resolved = real;
    std::free(real);
    return true;
}

}  // namespace

bool writeAtomically(const std::string& target, const OutputWriter& write, std::string& error) {
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        error = "cannot write '" + target + "': it is a folder";
        return false;
    }
    if (exists && !S_ISREG(existing.st_mode))
        return writeDirectly(target, write, error);
    std::string path;
    if (!resolveTarget(target, path, error))
        return false;
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary;
    if (!createFresh(folder + "." + name + ".tmp-", temporary, error)) {
        error = failure("write", target);
        return false;
    }
    bool written = write(temporary, error) && syncFile(temporary, error);
    // The new file takes the place of the old one with the old one's permissions.
    if (written && exists && chmod(temporary.c_str(), existing.st_mode & 07777) != 0) {
        error = failure("set the permissions of", temporary);
        written = false;
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) != 0) {
        error = failure("replace", path);
        written = false;
    }
    if (!written) {
        nameTarget(error, temporary, target);
        unlink(temporary.c_str());
    }
    return written;
}

bool writeBytesAtomically(const std::string& target, const std::vector<unsigned char>& bytes,
                          std::string& error) {
    return writeAtomically(
        target,
        [&bytes](const std::string& path, std::string& why) {
            const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            bool written = fd >= 0 && writeAll(fd, reinterpret_cast<const char*>(bytes.data()),
                                               bytes.size());
            if (fd >= 0 && close(fd) != 0)
                written = false;
            if (!written)
                why = failure("write", path);
            return written;
        },
        error);
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first, second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace trellis
