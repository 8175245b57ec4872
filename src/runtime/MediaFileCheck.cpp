#include "runtime/MediaFileCheck.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "files/Paths.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "render/ImageFiles.h"
#include "render/ImageLoading.h"
#include "render/RenderServices.h"

namespace dw {

namespace {

constexpr const char* kAudioPatterns = "*.wav;*.wma;*.mp3";
constexpr int kMaxSearchFolders = 1000;

bool IsFile(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::string Quoted(const std::string& file) {
    return "\"" + file + "\"";
}

// Whether a file of that name exists anywhere the image loading looks (so a failure is a
// decoding one rather than a missing file), and how many search folders there are.
bool ImageExistsSomewhere(const std::string& file, const ISettingsStore& settings, int& folders) {
    folders =
        std::clamp(settings.ReadInt(settings::kPaths, settings::kTotal, 0), 0, kMaxSearchFolders);
    if (IsFile(ResolveStoredPath(file))) return true;
    const std::string name = SplitAtLastSeparator(file).name;
    for (int i = 1; i <= folders; ++i) {
        std::string folder = settings.ReadString(settings::kPaths, settings::PathKey(i), "");
        while (!folder.empty() && (folder.back() == ' ' || folder.back() == '\t'))
            folder.pop_back();
        if (IsFile(ResolveStoredPath(folder.empty() ? name : folder + "/" + name))) return true;
    }
    return false;
}

// The audio formats the player plays, recognised by their first bytes.
bool IsKnownSound(const std::array<unsigned char, 16>& head, std::size_t count) {
    const auto starts = [&](const char* bytes, std::size_t length, std::size_t at = 0) {
        return count >= at + length && std::memcmp(head.data() + at, bytes, length) == 0;
    };
    if (starts("RIFF", 4) && starts("WAVE", 4, 8)) return true;
    if (starts("\x30\x26\xB2\x75\x8E\x66\xCF\x11", 8)) return true;  // ASF (WMA)
    if (starts("ID3", 3)) return true;
    return count >= 2 && head[0] == 0xFF && (head[1] & 0xE0) == 0xE0;  // an MPEG frame
}

}  // namespace

std::optional<std::string> ImageFileProblem(const std::string& file,
                                            const ISettingsStore* settings) {
    if (!IsAcceptedImageName(file))
        return "image file " + Quoted(file) +
               ": The image you are loading is on an incompatible format.";
    const ISettingsStore& store = settings ? *settings : RenderSettings();
    QImage picture;
    if (LoadImageWithSearchPaths(picture, file, store) == 0) return std::nullopt;
    int folders = 0;
    if (ImageExistsSomewhere(file, store, folders))
        return "image file " + Quoted(file) + " cannot be decoded";
    std::string where = "not found in " + WorkingFolder();
    if (folders > 0) where += " or the " + std::to_string(folders) + " image search folder(s)";
    return "image file " + Quoted(file) + " " + where;
}

std::optional<std::string> AudioFileProblem(const std::string& file) {
    const std::string last = LowerLatin1(file.size() > 3 ? file.substr(file.size() - 3) : file);
    if (std::string(kAudioPatterns).find(last) == std::string::npos)
        return "audio file " + Quoted(file) +
               ": The audio you are loading is on an incompatible format.";
    const std::string real = ResolveStoredPath(file);
    if (!IsFile(real)) return "audio file " + Quoted(file) + " not found in " + WorkingFolder();
    std::array<unsigned char, 16> head{};
    std::ifstream in(real, std::ios::binary);
    in.read(reinterpret_cast<char*>(head.data()), head.size());
    if (!IsKnownSound(head, static_cast<std::size_t>(in.gcount())))
        return "audio file " + Quoted(file) + " cannot be decoded: it is no WAV, WMA or MP3 sound";
    return std::nullopt;
}

}  // namespace dw
