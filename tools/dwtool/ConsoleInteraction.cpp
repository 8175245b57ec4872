#include "ConsoleInteraction.h"

#include <string>

namespace dwtool {

dw::Answer ConsoleInteraction::ShowMessage(const dw::MessageRequest& request) {
    std::string text = request.title + ": " + request.text;
    if (text.empty() || text.back() != '\n') text += '\n';
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fflush(out_);
    return CautiousAnswer(request.buttons);
}

std::optional<std::string> ConsoleInteraction::ChooseFile(const dw::FileRequest& request) {
    std::fprintf(out_, "%s: file dialog cancelled\n", request.title.c_str());
    return std::nullopt;
}

std::optional<std::string> ConsoleInteraction::BrowseFolder(const std::string& title,
                                                            const std::string&) {
    std::fprintf(out_, "%s: folder dialog cancelled\n", title.c_str());
    return std::nullopt;
}

}  // namespace dwtool
