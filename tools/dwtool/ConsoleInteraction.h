#pragma once
// dwtool's stand-in for the user: message boxes are printed to stderr and answered with the
// most cautious choice; every chooser is cancelled. Nothing waits for input.
#include <cstdio>

#include "platform/DecliningInteraction.h"

namespace dwtool {

class ConsoleInteraction : public dw::DecliningInteraction {
public:
    explicit ConsoleInteraction(std::FILE* out = stderr) : out_(out) {}

    dw::Answer ShowMessage(const dw::MessageRequest& request) override;
    std::optional<std::string> ChooseFile(const dw::FileRequest& request) override;
    std::optional<std::string> BrowseFolder(const std::string& title,
                                            const std::string& initialFolder) override;

private:
    std::FILE* out_;
};

}  // namespace dwtool
