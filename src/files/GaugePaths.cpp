#include "files/GaugePaths.h"

#include <filesystem>
#include <system_error>

#include "files/Paths.h"

namespace dw {

namespace {

std::string CurrentFolder() {
    std::error_code ec;
    const std::filesystem::path current = std::filesystem::current_path(ec);
    return ec ? std::string(".") : current.string();
}

bool EndsWith(const std::string& text, const char* tail) {
    const std::string t(tail);
    return text.size() >= t.size() && text.compare(text.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

std::string GaugeFileFilter(const std::string& allFilesName) {
    return "ZEKO Gauges (*.dwl;*.xml)|*.dwl; *.xml|" + allFilesName + " (*.*)|*.*||";
}

std::string SaveAsPath(const std::string& chosen) {
    std::string path = LowerLatin1(chosen);
    if (!EndsWith(path, ".dwl") && !EndsWith(path, ".xml")) path += ".dwl";
    return path;
}

std::string GaugeFileOnDisk(const std::string& gaugePath) {
    return ResolveStoredPath(gaugePath, CurrentFolder());
}

std::string GaugeWorkingFolder(const std::string& gaugePath) {
    std::string folder = SplitAtLastSeparator(gaugePath).folder;
    for (char& c : folder)
        if (c == '\\') c = '/';
    std::filesystem::path path;
    if (!gaugePath.empty() && gaugePath[0] == '/')
        path = folder.empty() ? std::filesystem::path("/") : std::filesystem::path(folder);
    else
        path = std::filesystem::path(CurrentFolder()) / folder;
    std::string normal = path.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/') normal.pop_back();
    return LowerLatin1(normal);
}

}  // namespace dw
