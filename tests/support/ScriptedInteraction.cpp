#include "support/ScriptedInteraction.h"

namespace dwtest {

dw::Answer ScriptedInteraction::DefaultAnswer(dw::Buttons buttons) {
    return dw::DismissAnswer(buttons);
}

dw::Answer ScriptedInteraction::ShowMessage(const dw::MessageRequest& request) {
    messages.push_back(request);
    dw::Answer answer = DefaultAnswer(request.buttons);
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    }
    givenAnswers.push_back(answer);
    return answer;
}

std::optional<std::string> ScriptedInteraction::ChooseFile(const dw::FileRequest& request) {
    fileRequests.push_back(request);
    if (files_.empty()) return std::nullopt;
    std::optional<std::string> path = std::move(files_.front());
    files_.pop_front();
    return path;
}

std::optional<dw::Colour> ScriptedInteraction::ChooseColour(dw::Colour initial,
                                                            dw::CustomColours& custom) {
    colourCalls.push_back({initial, custom});
    if (colours_.empty()) return std::nullopt;
    PreparedColour prepared = colours_.front();
    colours_.pop_front();
    // Like the real chooser, custom colours edited in the dialog stay even on cancel.
    if (prepared.customAfter) custom = *prepared.customAfter;
    return prepared.colour;
}

std::optional<dw::FontChoice> ScriptedInteraction::ChooseFont(const dw::FontChoice& initial) {
    fontCalls.push_back(initial);
    if (fonts_.empty()) return std::nullopt;
    std::optional<dw::FontChoice> font = std::move(fonts_.front());
    fonts_.pop_front();
    return font;
}

std::optional<std::string> ScriptedInteraction::BrowseFolder(const std::string& title,
                                                             const std::string& initialFolder) {
    folderCalls.push_back({title, initialFolder});
    if (folders_.empty()) return std::nullopt;
    std::optional<std::string> folder = std::move(folders_.front());
    folders_.pop_front();
    return folder;
}

bool ScriptedInteraction::OpenWithDesktop(const std::string& target) {
    openedTargets.push_back(target);
    return openResult;
}

std::vector<std::string> ScriptedInteraction::MessageTexts() const {
    std::vector<std::string> texts;
    texts.reserve(messages.size());
    for (const dw::MessageRequest& m : messages) texts.push_back(m.text);
    return texts;
}

}  // namespace dwtest
