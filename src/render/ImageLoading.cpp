#include "render/ImageLoading.h"

#include <algorithm>

#include "files/Paths.h"
#include "platform/SettingsKeys.h"
#include "render/ImageDecodeBatch.h"
#include "render/ImageFiles.h"

namespace dw {

namespace {

constexpr int kMaxSearchPaths = 1000;

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// Fills the "%s" holes of a message text in order.
std::string Format(const std::string& pattern, std::initializer_list<std::string> values) {
    std::string out;
    auto value = values.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' &&
            value != values.end()) {
            out += *value++;
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

bool Decode(QImage& picture, const std::string& path) {
    QImage decoded = DecodeImageFileInBatch(ResolveStoredPath(path));
    if (decoded.isNull()) return false;
    picture = std::move(decoded);
    return true;
}

}  // namespace

std::string FolderForMessage(const std::string& path) {
    const std::size_t at = path.find_last_of("/\\");
    return at == std::string::npos ? std::string("./") : path.substr(0, at);
}

int LoadImageWithSearchPaths(QImage& picture, const std::string& path,
                             const ISettingsStore& settings) {
    if (Decode(picture, path)) return 0;
    const std::string name = SplitAtLastSeparator(path).name;
    // A damaged count cannot make the search run for ever.
    const int total =
        std::min(settings.ReadInt(settings::kPaths, settings::kTotal, 0), kMaxSearchPaths);
    for (int i = 1; i <= total; ++i) {
        std::string folder =
            Trimmed(settings.ReadString(settings::kPaths, settings::PathKey(i), ""));
        if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
        if (Decode(picture, folder + name)) return 0;
    }
    return 1;
}

std::optional<std::string> ChooseImageFile(const std::string& path, IInteraction& interaction) {
    FileRequest request;
    request.title = "Select image";
    request.filter = ImageFileFilter();
    request.initialName = path;
    request.mustExist = true;
    const std::optional<std::string> chosen = interaction.ChooseFile(request);
    if (!chosen) return std::nullopt;
    return MakeRelativePath(LowerLatin1(*chosen));
}

ImageLoadOutcome LoadImageFile(const std::string& path, IInteraction& interaction,
                               const ISettingsStore& settings) {
    ImageLoadOutcome outcome;
    std::string current = path;
    for (;;) {
        if (current.empty()) return outcome;
        current = MakeRelativePath(current);
        outcome.file = current;
        if (LoadImageWithSearchPaths(outcome.picture, current, settings) == 0) {
            outcome.loaded = true;
            return outcome;
        }
        const std::string name = SplitAtLastSeparator(current).name;
        const std::string text = Format(
            "Could not find the file [%s] at path [%s].\r\nWould you like to select a new path or "
            "file?",
            {name, FolderForMessage(current)});
        if (interaction.ShowMessage({"File not fount", text, Buttons::YesNo, Icon::Error, false}) !=
            Answer::Yes)
            return outcome;
        const std::optional<std::string> chosen = ChooseImageFile(current, interaction);
        if (!chosen) return outcome;
        current = *chosen;
        outcome.userPicked = true;
    }
}

void OfferSearchPath(const std::string& pickedFile, IInteraction& interaction,
                     ISettingsStore& settings) {
    const std::string folder = FolderForMessage(pickedFile);
    const std::string text = Format(
        "Would you like to add the path you have selected [%s] to the list of paths used for "
        "search?",
        {folder});
    if (interaction.ShowMessage(
            {"New path for search", text, Buttons::YesNo, Icon::Error, false}) != Answer::Yes)
        return;
    const int n = settings.ReadInt(settings::kPaths, settings::kTotal, 0) + 1;
    settings.WriteString(settings::kPaths, settings::PathKey(n), folder);
    settings.WriteInt(settings::kPaths, settings::kTotal, n);
}

}  // namespace dw
