#pragma once
// Finds the bitmaps of an imported MS-FS gauge.
//
// A gauge names its art folder ("ArtDirectory") as its author's machine saw it: often an
// absolute Windows build path ("C:\Build\Panel\Art") or one starting with an environment
// variable ("%inetroot%\...\art"), which never exists here. Each bitmap is therefore looked for,
// always ignoring letter case and with either separator:
//   1. in the art folder itself, a relative one taken from the working folder (an empty art
//      folder is the working folder);
//   2. in the art folder taken from the source file's folder (when it is relative);
//   3. in the trailing parts of the art folder below the source file's folder, longest first
//      ("C:\Build\Panel\Art" tries "Build/Panel/Art", "Panel/Art", "Art"), without its drive,
//      environment variable or server;
//   4. in the source file's own folder.
// Each folder is listed once; the answer for a bitmap is kept, so a gauge naming one bitmap
// in several spellings ("VOR.bmp", "vor.bmp") looks for it once.
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dw {

class FsArtLocator {
public:
    FsArtLocator(const std::string& artDirectory, const std::string& sourceFolder,
                 const std::string& workingFolder);
    ~FsArtLocator();
    FsArtLocator(const FsArtLocator&) = delete;
    FsArtLocator& operator=(const FsArtLocator&) = delete;

    // The real path of the bitmap, or nothing when it is in none of the folders.
    std::optional<std::string> Find(const std::string& imageName);

    // Where a bitmap that was found nowhere is expected: in the art folder when that folder
    // exists, else in the source file's folder.
    std::string PathForMissing(const std::string& imageName);

    // The folders looked in that exist, in the order they are tried.
    std::vector<std::string> ExistingFolders();

private:
    struct Folder;
    Folder& At(std::size_t index);
    bool ArtFolderExists();

    std::vector<std::unique_ptr<Folder>> folders_;
    std::string sourceFolder_;
    std::map<std::string, std::optional<std::string>> found_;  // by lower-cased name
};

}  // namespace dw
