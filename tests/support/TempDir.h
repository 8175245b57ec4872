#pragma once
// A temporary folder for one test, removed with everything in it when the test ends.
#include <filesystem>
#include <string>

namespace dwtest {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Path of a file inside the folder.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    // Writes bytes to a file inside the folder and returns its path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Reads a whole file as bytes ("" when it can't be read).
std::string ReadFile(const std::string& path);

}  // namespace dwtest
