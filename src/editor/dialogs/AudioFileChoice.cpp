#include "editor/dialogs/AudioFileChoice.h"

#include "files/Paths.h"

namespace dw::dialogs {

std::string AudioFileFilter() {
    return std::string("All Suported Formas|*.wav;*.wma;*.mp3|") + "Wav (*.wav)|*.wav|" +
           "Windows Media (*.wma)|*.wma|" + "Mp3 (*.mp3)|*.mp3|" + "All Files (*.*)|*.*||";
}

std::optional<std::string> ChooseAudioFile(IInteraction& ui, const std::string& path) {
    FileRequest request;
    request.title = "Select audio file";
    request.filter = AudioFileFilter();
    request.initialName = path.empty() ? path : ResolveStoredPath(path);
    request.mustExist = true;
    const std::optional<std::string> chosen = ui.ChooseFile(request);
    if (!chosen) return std::nullopt;
    return LowerLatin1(*chosen);
}

}  // namespace dw::dialogs
