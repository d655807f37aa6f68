// Opening and reading the files users hand us (skins, dialogues, fonts) without trusting them:
// only regular files, never blocking, never more than a fixed number of bytes.
#pragma once

#include <cstddef>
#include <string>

namespace trellis {

// A read-only descriptor for path when it names a regular file (after symbolic links), or -1.
// Opening never waits: a FIFO without a writer or a device is refused at once, not read. On -1,
// a non-null problem receives why, as a phrase ("no such file", "a folder, not a file").
int openRegularFile(const char* path, std::string* problem = nullptr);

// The whole regular file at path in bytes, read through openRegularFile. False, with bytes
// unspecified, for a missing or unreadable file, anything but a regular file, and a file of
// more than maxBytes bytes, also one that grows past that while it is read; a non-null problem
// then receives why, as openRegularFile gives it.
bool readRegularFile(const char* path, size_t maxBytes, std::string& bytes,
                     std::string* problem = nullptr);

}  // namespace trellis
