#pragma once
// The user, as the frame thread reaches them during a run: every question goes to the
// window thread (WindowCalls) and the frame thread waits for the answer. A question asked
// after the run was told to end is not shown; it gets the answer of a dismissed box and
// every chooser counts as cancelled.
#include "platform/Interaction.h"
#include "runtime/WindowCalls.h"

namespace dw {

class WindowInteraction : public IInteraction {
public:
    // `ui` is the real user (used on the window thread only).
    WindowInteraction(IInteraction& ui, WindowCalls& calls) : ui_(ui), calls_(calls) {}

    Answer ShowMessage(const MessageRequest& request) override;
    std::optional<std::string> ChooseFile(const FileRequest& request) override;
    std::optional<Colour> ChooseColour(Colour initial, CustomColours& custom) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial) override;
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& initialFolder) override;
    bool OpenWithDesktop(const std::string& target) override;

private:
    IInteraction& ui_;
    WindowCalls& calls_;
};

}  // namespace dw
