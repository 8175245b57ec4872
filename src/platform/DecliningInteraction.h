#pragma once
// A stand-in for a user who is not there: every message box gets its most cautious answer
// and every chooser is cancelled. Command-line tools and fuzz targets build on it.
#include "platform/Interaction.h"

namespace dw {

class DecliningInteraction : public IInteraction {
public:
    // No when offered, else Cancel when offered, else Abort for Abort/Retry/Ignore, else Ok
    // for a box whose only button is OK.
    static Answer CautiousAnswer(Buttons buttons) {
        switch (buttons) {
            case Buttons::YesNo:
            case Buttons::YesNoCancel:
                return Answer::No;
            case Buttons::OkCancel:
            case Buttons::RetryCancel:
                return Answer::Cancel;
            case Buttons::AbortRetryIgnore:
                return Answer::Abort;
            case Buttons::Ok:
                break;
        }
        return Answer::Ok;
    }

    Answer ShowMessage(const MessageRequest& request) override {
        return CautiousAnswer(request.buttons);
    }
    std::optional<std::string> ChooseFile(const FileRequest&) override { return {}; }
    std::optional<Colour> ChooseColour(Colour, CustomColours&) override { return {}; }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override { return {}; }
    std::optional<std::string> BrowseFolder(const std::string&, const std::string&) override {
        return {};
    }
    bool OpenWithDesktop(const std::string&) override { return false; }
};

}  // namespace dw
