// Test support: a private scratch folder for tests that read real files (dialogues, skins),
// removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace trellis {

// A fresh folder under the test temp directory, unique to this process and this object.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        folder = std::filesystem::path(::testing::TempDir()) /
                 ("trellis-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of name inside the folder; the file need not exist.
    std::string path(const std::string& name) const { return (folder / name).string(); }

    // Writes text to name inside the folder and returns its path.
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }

    const std::filesystem::path& root() const { return folder; }  // the folder itself

private:
    std::filesystem::path folder;
};

// Makes a folder the working directory for its lifetime, as the demo reads its files from there.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& folder)
        : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};

}  // namespace trellis
