#pragma once
// A scripted stand-in for the user: records every question the code under test asks and
// answers from queues prepared by the test. With an empty queue a message box is dismissed
// (dw::DismissAnswer: Cancel when offered, else No, else Abort, else Ok) and every chooser
// is cancelled.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Interaction.h"

namespace dwtest {

class ScriptedInteraction : public dw::IInteraction {
public:
    struct ColourCall {
        dw::Colour initial = 0;
        dw::CustomColours customBefore{};
    };
    struct FolderCall {
        std::string title;
        std::string initialFolder;
    };

    // Prepared answers, used first in, first out.
    void QueueAnswer(dw::Answer answer) { answers_.push_back(answer); }
    void QueueFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    // A chosen colour; when customAfter is given the dialog also leaves those custom colours.
    void QueueColour(std::optional<dw::Colour> colour,
                     std::optional<dw::CustomColours> customAfter = std::nullopt) {
        colours_.push_back({colour, customAfter});
    }
    void QueueFont(std::optional<dw::FontChoice> font) { fonts_.push_back(std::move(font)); }
    void QueueFolder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }

    // Answers still waiting in the queues (a test can check that all were used).
    std::size_t PendingAnswers() const { return answers_.size(); }
    std::size_t PendingFiles() const { return files_.size(); }
    std::size_t PendingColours() const { return colours_.size(); }
    std::size_t PendingFonts() const { return fonts_.size(); }
    std::size_t PendingFolders() const { return folders_.size(); }

    // The default answer of a message box whose queue is empty.
    static dw::Answer DefaultAnswer(dw::Buttons buttons);

    dw::Answer ShowMessage(const dw::MessageRequest& request) override;
    std::optional<std::string> ChooseFile(const dw::FileRequest& request) override;
    std::optional<dw::Colour> ChooseColour(dw::Colour initial, dw::CustomColours& custom) override;
    std::optional<dw::FontChoice> ChooseFont(const dw::FontChoice& initial) override;
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& initialFolder) override;
    // Records the target; answers with openResult.
    bool OpenWithDesktop(const std::string& target) override;

    // Every call, in the order made.
    std::vector<dw::MessageRequest> messages;
    std::vector<dw::Answer> givenAnswers;  // what each message returned
    std::vector<dw::FileRequest> fileRequests;
    std::vector<ColourCall> colourCalls;
    std::vector<dw::FontChoice> fontCalls;
    std::vector<FolderCall> folderCalls;
    std::vector<std::string> openedTargets;
    bool openResult = true;

    // Message texts only, handy for EXPECT_THAT(..., ElementsAre(...)).
    std::vector<std::string> MessageTexts() const;

private:
    struct PreparedColour {
        std::optional<dw::Colour> colour;
        std::optional<dw::CustomColours> customAfter;
    };
    std::deque<dw::Answer> answers_;
    std::deque<std::optional<std::string>> files_;
    std::deque<PreparedColour> colours_;
    std::deque<std::optional<dw::FontChoice>> fonts_;
    std::deque<std::optional<std::string>> folders_;
};

}  // namespace dwtest
