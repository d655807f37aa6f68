// Writing a tool's output file whole or not at all, and telling whether an output would land on
// one of the tool's own inputs.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace trellis {

// Fills a new file at path with the output; false with a one-line reason in error. It may
// remove the file at path when it fails: that file is always one writeAtomically made.
using OutputWriter = std::function<bool(const std::string& path, std::string& error)>;

// Writes target through write so that target is either left as it was or replaced whole: the
// output goes to a new file in target's folder, which then takes target's name (keeping an
// existing target's permissions; a symbolic link is followed, not replaced). A target that
// exists but is not a regular file (a device, a FIFO) is written into directly, from a copy
// made in the temporary folder, and never removed or replaced; a folder is refused. Nothing
// but the files it created itself is ever removed. False with a one-line reason in error.
bool writeAtomically(const std::string& target, const OutputWriter& write, std::string& error);

// The same for bytes already in memory.
bool writeBytesAtomically(const std::string& target, const std::vector<unsigned char>& bytes,
                          std::string& error);

// Whether the paths name one existing file (the same device and inode), links followed.
bool sameFile(const std::string& a, const std::string& b);

}  // namespace trellis
