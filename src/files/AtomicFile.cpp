#include "files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace dw {

namespace {

std::string ErrorText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

// A symbolic link is followed, so that the file it names is replaced, not the link.
static std::string FollowLink(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return path;
    std::string out(real);
    std::free(real);
    return out;
}

AtomicWriteResult WriteFileAtomically(const std::string& givenPath, std::string_view bytes) {
    AtomicWriteResult result;
    if (givenPath.empty()) {
        result.error = "no file name";
        return result;
    }
    const std::string path = FollowLink(givenPath);
    const std::size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) {
        result.error = "no file name";
        return result;
    }

    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        result.error = "not a regular file";
        return result;
    }

    std::string pattern = folder + "." + name + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        result.error = ErrorText("cannot create a temporary file");
        return result;
    }
    const std::string tempPath(temp.data());
    const mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();

    bool ok = WriteAll(fd, bytes);
    if (!ok) result.error = ErrorText("cannot write");
    if (ok && ::fchmod(fd, mode) != 0) {
        ok = false;
        result.error = ErrorText("cannot set permissions");
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        result.error = ErrorText("cannot flush to disk");
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        result.error = ErrorText("cannot close");
    }
    if (ok && ::rename(tempPath.c_str(), path.c_str()) != 0) {
        ok = false;
        result.error = ErrorText("cannot replace the file");
    }
    if (!ok) {
        ::unlink(tempPath.c_str());
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace dw
