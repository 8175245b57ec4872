#pragma once
// File paths as gauges store them, and the way back to the real file.
//
// Gauges store image, audio and alias file names lower-cased and relative to the working
// folder (the folder of the open gauge). Files written elsewhere may use backslashes and any
// letter case, so every file access goes through ResolveStoredPath, which finds the real
// file component by component, ignoring case where the exact name does not exist.
//
// The working folder is the program's own notion (the process's current directory is never
// changed): it starts as the current directory and opening a gauge sets it to the gauge's
// folder.
#include <string>

namespace dw {

// Longest working folder that MakeRelativePath reads; a longer one counts as unreadable.
inline constexpr std::size_t kMaxWorkingFolder = 255;
// Longest path (and relative form) MakeRelativePath deals with.
inline constexpr std::size_t kMaxRelativePath = 512;

// The working folder: set by opening a gauge, otherwise the process's current directory.
std::string WorkingFolder();
void SetWorkingFolder(const std::string& folder);
// Forgets a folder set before, so that WorkingFolder() is the current directory again.
void ResetWorkingFolder();

// Lower-cases 8-bit Latin-1 text (A-Z and the accented capitals).
std::string LowerLatin1(const std::string& text);

// The lower-cased path, relative to the working folder when it lies below it or beside it.
// A path that is already relative comes back lower-cased; so does an absolute path when no
// relative form exists (root folder, overlong paths).
std::string MakeRelativePath(const std::string& path);
// The same against a given working folder (what MakeRelativePath uses).
std::string MakeRelativePathTo(const std::string& path, const std::string& workingFolder);

// The real path of a stored file name. Backslashes count as separators, a relative name
// is taken from baseFolder, "." and ".." are followed, and every component that does not
// exist with its exact spelling is looked up ignoring letter case. When nothing matches
// from some component on, the rest is appended as stored (with '/' separators), so the
// result names the missing file in a readable form.
std::string ResolveStoredPath(const std::string& stored, const std::string& baseFolder);
// The same relative to the working folder.
std::string ResolveStoredPath(const std::string& stored);

// Splits a path at its last separator ('/' or '\\'): the folder before it and the name after
// it. Without a separator the folder is empty and the name is the whole path.
struct PathParts {
    std::string folder;
    std::string name;
};
PathParts SplitAtLastSeparator(const std::string& path);

}  // namespace dw
