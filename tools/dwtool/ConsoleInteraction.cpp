#include "ConsoleInteraction.h"

#include <string>

namespace dwtool {

dw::Answer ConsoleInteraction::AnswerFor(dw::Buttons buttons) {
    switch (buttons) {
        case dw::Buttons::YesNo:
        case dw::Buttons::YesNoCancel:
            return dw::Answer::No;
        case dw::Buttons::OkCancel:
        case dw::Buttons::RetryCancel:
            return dw::Answer::Cancel;
        case dw::Buttons::AbortRetryIgnore:
            return dw::Answer::Abort;
        case dw::Buttons::Ok:
            break;
    }
    return dw::Answer::Ok;
}

dw::Answer ConsoleInteraction::ShowMessage(const dw::MessageRequest& request) {
    std::string text = request.title + ": " + request.text;
    if (text.empty() || text.back() != '\n') text += '\n';
    std::fwrite(text.data(), 1, text.size(), out_);
    std::fflush(out_);
    return AnswerFor(request.buttons);
}

std::optional<std::string> ConsoleInteraction::ChooseFile(const dw::FileRequest& request) {
    std::fprintf(out_, "%s: file dialog cancelled\n", request.title.c_str());
    return std::nullopt;
}

std::optional<dw::Colour> ConsoleInteraction::ChooseColour(dw::Colour, dw::CustomColours&) {
    return std::nullopt;
}

std::optional<dw::FontChoice> ConsoleInteraction::ChooseFont(const dw::FontChoice&) {
    return std::nullopt;
}

std::optional<std::string> ConsoleInteraction::BrowseFolder(const std::string& title,
                                                            const std::string&) {
    std::fprintf(out_, "%s: folder dialog cancelled\n", title.c_str());
    return std::nullopt;
}

}  // namespace dwtool
