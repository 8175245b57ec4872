#include "files/FsArtLocator.h"

#include <filesystem>
#include <system_error>

#include "files/Paths.h"

namespace fs = std::filesystem;

namespace dw {

namespace {

// Entries of one folder kept for lookups; larger folders are listed only this far.
constexpr std::size_t kMaxFolderEntries = 200000;

std::vector<std::string> Components(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// A drive ("C:"), an environment variable ("%inetroot%") or a path that starts at a root
// ("\Panel", "\\server\share", "/home"): not a folder below anything here.
bool IsRooted(const std::string& art) {
    if (art.empty()) return false;
    if (art[0] == '/' || art[0] == '\\' || art[0] == '%') return true;
    return art.size() >= 2 && art[1] == ':';
}

bool IsDirectory(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

// One folder to look in: its path, whether it exists, and its entries by lower-cased name
// (read when first needed).
struct FsArtLocator::Folder {
    std::string path;
    bool checked = false;
    bool exists = false;
    bool listed = false;
    std::map<std::string, std::string> entries;

    bool Exists() {
        if (!checked) {
            exists = IsDirectory(path);
            checked = true;
        }
        return exists;
    }

    std::optional<std::string> Lookup(const std::string& name) {
        if (!Exists()) return std::nullopt;
        if (!listed) List();
        const auto it = entries.find(LowerLatin1(name));
        if (it != entries.end() && IsFile(Join(path, it->second))) return Join(path, it->second);
        // Names outside ASCII may be stored in another encoding than the folder's.
        const std::string resolved = ResolveStoredPath(name, path);
        if (IsFile(resolved)) return resolved;
        return std::nullopt;
    }

    void List() {
        listed = true;
        std::error_code ec;
        fs::directory_iterator it(path, ec);
        for (const fs::directory_iterator end;
             !ec && it != end && entries.size() < kMaxFolderEntries; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            auto [at, added] = entries.emplace(LowerLatin1(name), name);
            // Several spellings of one name: the smallest, so the choice does not depend on
            // the order the folder lists them in.
            if (!added && name < at->second) at->second = name;
        }
    }
};

FsArtLocator::FsArtLocator(const std::string& artDirectory, const std::string& sourceFolder,
                           const std::string& workingFolder)
    : sourceFolder_(sourceFolder) {
    const std::string art = Trimmed(artDirectory);
    std::vector<std::string> paths;
    paths.push_back(art.empty() ? workingFolder : ResolveStoredPath(art, workingFolder));
    if (!IsRooted(art) && !art.empty()) paths.push_back(ResolveStoredPath(art, sourceFolder));
    std::vector<std::string> parts = Components(art);
    if (IsRooted(art) && !parts.empty() &&
        (parts[0].find(':') != std::string::npos || parts[0][0] == '%' || art.starts_with("\\\\")))
        parts.erase(parts.begin());
    std::erase_if(parts, [](const std::string& p) { return p == "." || p == ".."; });
    for (std::size_t first = 0; first < parts.size(); ++first) {
        std::string tail;
        for (std::size_t i = first; i < parts.size(); ++i) tail = Join(tail, parts[i]);
        paths.push_back(ResolveStoredPath(tail, sourceFolder));
    }
    paths.push_back(sourceFolder);
    for (const std::string& path : paths) {
        bool seen = false;
        for (const auto& folder : folders_) seen = seen || folder->path == path;
        if (seen) continue;
        auto folder = std::make_unique<Folder>();
        folder->path = path;
        folders_.push_back(std::move(folder));
    }
}

FsArtLocator::~FsArtLocator() = default;

FsArtLocator::Folder& FsArtLocator::At(std::size_t index) {
    return *folders_[index];
}

bool FsArtLocator::ArtFolderExists() {
    return !folders_.empty() && At(0).Exists();
}

std::optional<std::string> FsArtLocator::Find(const std::string& imageName) {
    const std::string key = LowerLatin1(imageName);
    if (const auto known = found_.find(key); known != found_.end()) return known->second;
    std::optional<std::string> result;
    const bool nested = imageName.find_first_of("/\\") != std::string::npos;
    for (std::size_t i = 0; i < folders_.size() && !result; ++i) {
        Folder& folder = At(i);
        if (!nested) {
            result = folder.Lookup(imageName);
        } else if (folder.Exists()) {
            const std::string resolved = ResolveStoredPath(imageName, folder.path);
            if (IsFile(resolved)) result = resolved;
        }
    }
    found_.emplace(key, result);
    return result;
}

std::string FsArtLocator::PathForMissing(const std::string& imageName) {
    std::string name;
    for (const std::string& part : Components(imageName)) name = Join(name, part);
    if (ArtFolderExists()) return Join(At(0).path, name);
    return Join(sourceFolder_, name);
}

std::vector<std::string> FsArtLocator::ExistingFolders() {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < folders_.size(); ++i)
        if (At(i).Exists()) out.push_back(At(i).path);
    return out;
}

}  // namespace dw
