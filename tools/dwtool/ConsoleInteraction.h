#pragma once
// dwtool's stand-in for the user: message boxes are printed to stderr and answered with the
// most cautious choice; every chooser is cancelled. Nothing waits for input.
#include <cstdio>

#include "platform/Interaction.h"

namespace dwtool {

class ConsoleInteraction : public dw::IInteraction {
public:
    explicit ConsoleInteraction(std::FILE* out = stderr) : out_(out) {}

    // The answer given to a message box: No when offered, else Cancel when offered, else Ok
    // for a box whose only button is OK (Abort for Abort/Retry/Ignore).
    static dw::Answer AnswerFor(dw::Buttons buttons);

    dw::Answer ShowMessage(const dw::MessageRequest& request) override;
    std::optional<std::string> ChooseFile(const dw::FileRequest& request) override;
    std::optional<dw::Colour> ChooseColour(dw::Colour initial, dw::CustomColours& custom) override;
    std::optional<dw::FontChoice> ChooseFont(const dw::FontChoice& initial) override;
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& initialFolder) override;

private:
    std::FILE* out_;
};

}  // namespace dwtool
