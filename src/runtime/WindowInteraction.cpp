#include "runtime/WindowInteraction.h"

namespace dw {

Answer WindowInteraction::ShowMessage(const MessageRequest& request) {
    return calls_.Call<Answer>([&] { return ui_.ShowMessage(request); },
                               DismissAnswer(request.buttons));
}

std::optional<std::string> WindowInteraction::ChooseFile(const FileRequest& request) {
    return calls_.Call<std::optional<std::string>>([&] { return ui_.ChooseFile(request); },
                                                   std::nullopt);
}

std::optional<Colour> WindowInteraction::ChooseColour(Colour initial, CustomColours& custom) {
    // The chooser works on a copy; the custom colours change only when it answered.
    CustomColours copy = custom;
    auto chosen = calls_.Call<std::optional<std::pair<Colour, CustomColours>>>(
        [&]() -> std::optional<std::pair<Colour, CustomColours>> {
            CustomColours local = copy;
            const std::optional<Colour> colour = ui_.ChooseColour(initial, local);
            if (!colour) return std::nullopt;
            return std::make_pair(*colour, local);
        },
        std::nullopt);
    if (!chosen) return std::nullopt;
    custom = chosen->second;
    return chosen->first;
}

std::optional<FontChoice> WindowInteraction::ChooseFont(const FontChoice& initial) {
    return calls_.Call<std::optional<FontChoice>>([&] { return ui_.ChooseFont(initial); },
                                                  std::nullopt);
}

std::optional<std::string> WindowInteraction::BrowseFolder(const std::string& title,
                                                           const std::string& initialFolder) {
    return calls_.Call<std::optional<std::string>>(
        [&] { return ui_.BrowseFolder(title, initialFolder); }, std::nullopt);
}

bool WindowInteraction::OpenWithDesktop(const std::string& target) {
    return calls_.Call<bool>([&] { return ui_.OpenWithDesktop(target); }, false);
}

}  // namespace dw
