#include "platform/ProgramPaths.h"

#include <unistd.h>

#include <vector>

namespace dw {

std::string ProgramFile() {
    // readlink does not say when the buffer was too small other than by filling it.
    std::vector<char> buffer(1024);
    while (buffer.size() <= 65536) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return "";
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
    return "";
}

std::string ProgramFolder() {
    const std::string file = ProgramFile();
    const std::size_t slash = file.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return file.substr(0, slash);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/' || folder.back() == '\\') return folder + name;
    return folder + "/" + name;
}

std::string ProgramFolderFile(const std::string& name) {
    return JoinPath(ProgramFolder(), name);
}

}  // namespace dw
