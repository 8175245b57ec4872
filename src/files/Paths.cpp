#include "files/Paths.h"

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace dw {

namespace {

std::mutex& FolderMutex() {
    static std::mutex mutex;
    return mutex;
}

std::optional<std::string>& FolderOverride() {
    static std::optional<std::string> folder;
    return folder;
}

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// Directory entry names are bytes in the system's encoding (normally UTF-8) while stored
// names are Latin-1: a valid UTF-8 name whose characters all fit Latin-1 is converted, any
// other name is compared as its raw bytes.
std::string EntryNameAsLatin1(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < bytes.size() &&
                   (static_cast<unsigned char>(bytes[i + 1]) & 0xC0) == 0x80) {
            const unsigned code =
                ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(bytes[i + 1]) & 0x3Fu);
            out.push_back(static_cast<char>(code));
            i += 2;
        } else {
            return bytes;
        }
    }
    return out;
}

std::vector<std::string> SplitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (IsSeparator(c)) {
            if (!current.empty()) parts.push_back(current);
            current.clear();
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) parts.push_back(current);
    return parts;
}

// The entry of folder whose name equals component ignoring case; the smallest such name
// when several match, so the choice does not depend on the directory's order.
std::optional<std::string> FindIgnoringCase(const fs::path& folder, const std::string& component) {
    const std::string wanted = LowerLatin1(component);
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return std::nullopt;
    std::optional<std::string> best;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        const std::string name = it->path().filename().string();
        if (LowerLatin1(name) != wanted && LowerLatin1(EntryNameAsLatin1(name)) != wanted) continue;
        if (!best || name < *best) best = name;
    }
    return best;
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

}  // namespace

std::string WorkingFolder() {
    {
        std::lock_guard lock(FolderMutex());
        if (FolderOverride()) return *FolderOverride();
    }
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    return ec ? std::string() : current.string();
}

void SetWorkingFolder(const std::string& folder) {
    std::lock_guard lock(FolderMutex());
    FolderOverride() = folder;
}

void ResetWorkingFolder() {
    std::lock_guard lock(FolderMutex());
    FolderOverride().reset();
}

std::string LowerLatin1(const std::string& text) {
    std::string out = text;
    for (char& ch : out) {
        const auto c = static_cast<unsigned char>(ch);
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
            ch = static_cast<char>(c + 0x20);
    }
    return out;
}

std::string MakeRelativePath(const std::string& path) {
    const std::string folder = WorkingFolder();
    if (folder.empty() || folder.size() > kMaxWorkingFolder) return LowerLatin1(path);
    return MakeRelativePathTo(path, folder);
}

std::string MakeRelativePathTo(const std::string& path, const std::string& workingFolder) {
    const std::string p = LowerLatin1(path);
    const std::string& d = workingFolder;
    // Below the length of the root plus one character there is nothing to be relative to;
    // overlong names keep their absolute form.
    if (d.size() < 2 || p.size() < 2 || d.size() > kMaxRelativePath || p.size() > kMaxRelativePath)
        return p;
    // A path that is already relative, or a working folder that is not absolute.
    if (d[0] != '/' || p[0] != d[0]) return p;

    // The working folder keeps its own letter case: the comparison is exact.
    std::size_t i = 1;
    while (i < d.size() && i < p.size() && d[i] == p[i]) ++i;

    if (i == d.size()) {
        std::optional<std::string> rest;
        if (i < p.size() && p[i] == '/')
            rest = p.substr(i + 1);
        else if (p[i - 1] == '/')
            rest = p.substr(i);
        if (rest) return rest->empty() ? p : *rest;
    }

    std::size_t levels = 1;
    for (std::size_t j = i; j + 1 < d.size(); ++j)
        if (d[j] == '/') ++levels;
    std::size_t k = std::min(i, p.size());
    while (k > 0 && p[k - 1] != '/') --k;
    if (levels * 3 + (p.size() - k) > kMaxRelativePath) return p;
    std::string out;
    for (std::size_t n = 0; n < levels; ++n) out += "../";
    return out + p.substr(k);
}

std::string ResolveStoredPath(const std::string& stored, const std::string& baseFolder) {
    if (stored.empty()) return std::string();
    bool absolute = IsSeparator(stored[0]);
    std::vector<std::string> parts;
    if (!absolute && !baseFolder.empty()) {
        absolute = IsSeparator(baseFolder[0]);
        parts = SplitComponents(baseFolder);
    }
    const std::vector<std::string> storedParts = SplitComponents(stored);
    parts.insert(parts.end(), storedParts.begin(), storedParts.end());

    // resolved holds real names while every component so far exists; from the first
    // missing one on, the stored components follow as they are.
    std::vector<std::string> resolved;
    const auto joined = [&]() {
        std::string out = absolute ? "/" : "";
        for (std::size_t n = 0; n < resolved.size(); ++n) {
            if (n > 0) out += '/';
            out += resolved[n];
        }
        return out;
    };
    bool found = true;
    for (const std::string& part : parts) {
        if (part == ".") continue;
        if (part == "..") {
            if (!resolved.empty() && resolved.back() != "..")
                resolved.pop_back();
            else if (!absolute)
                resolved.push_back("..");
            continue;
        }
        if (!found) {
            resolved.push_back(part);
            continue;
        }
        const std::string folder = joined();
        const fs::path folderPath = folder.empty() ? fs::path(".") : fs::path(folder);
        if (Exists(folderPath / part)) {
            resolved.push_back(part);
        } else if (const auto match = FindIgnoringCase(folderPath, part)) {
            resolved.push_back(*match);
        } else {
            resolved.push_back(part);
            found = false;
        }
    }
    return joined();
}

std::string ResolveStoredPath(const std::string& stored) {
    return ResolveStoredPath(stored, WorkingFolder());
}

PathParts SplitAtLastSeparator(const std::string& path) {
    const std::size_t at = path.find_last_of("/\\");
    if (at == std::string::npos) return {std::string(), path};
    return {path.substr(0, at), path.substr(at + 1)};
}

}  // namespace dw
