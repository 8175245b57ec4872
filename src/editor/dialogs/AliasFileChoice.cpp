#include "editor/dialogs/AliasFileChoice.h"

#include <QFileInfo>

#include "files/Paths.h"
#include "platform/qt/QtText.h"

namespace dw::dialogs {

std::optional<std::string> ChooseAliasFile(IInteraction& ui, const std::string& current) {
    FileRequest request;
    request.title = kSelectAliasFileTitle;
    request.filter = kAliasFileFilter;
    request.mustExist = true;
    if (!current.empty()) {
        const std::string folder = SplitAtLastSeparator(AliasFileOnDisk(current)).folder;
        if (!folder.empty()) request.initialName = folder;
    }
    const std::optional<std::string> chosen = ui.ChooseFile(request);
    if (!chosen) return std::nullopt;
    return MakeRelativePath(*chosen);
}

std::string AliasFileOnDisk(const std::string& stored) {
    return ResolveStoredPath(stored);
}

bool AliasFileExists(const std::string& stored) {
    if (stored.empty()) return false;
    const QFileInfo info(qt::PathFromBytes(AliasFileOnDisk(stored)));
    return info.exists() && info.isFile();
}

}  // namespace dw::dialogs
