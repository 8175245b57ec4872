#include "render/RenderServices.h"

#include "platform/Interaction.h"
#include "platform/SettingsStore.h"

namespace dw {

namespace {

// Answers every question as its dismiss button would and chooses nothing.
class SilentInteraction : public IInteraction {
public:
    Answer ShowMessage(const MessageRequest& request) override {
        return DismissAnswer(request.buttons);
    }
    std::optional<std::string> ChooseFile(const FileRequest&) override { return std::nullopt; }
    std::optional<Colour> ChooseColour(Colour, CustomColours&) override { return std::nullopt; }
    std::optional<FontChoice> ChooseFont(const FontChoice&) override { return std::nullopt; }
    std::optional<std::string> BrowseFolder(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool OpenWithDesktop(const std::string&) override { return false; }
};

// Holds nothing: every read gives its default, writes are dropped.
class EmptySettings : public ISettingsStore {
public:
    std::int32_t ReadInt(const std::string&, const std::string&,
                         std::int32_t value) const override {
        return value;
    }
    std::string ReadString(const std::string&, const std::string&,
                           const std::string& value) const override {
        return value;
    }
    void WriteInt(const std::string&, const std::string&, std::int32_t) override {}
    void WriteString(const std::string&, const std::string&, const std::string&) override {}
};

RenderServices& Installed() {
    static RenderServices services;
    return services;
}

}  // namespace

void InstallRenderServices(RenderServices services) {
    Installed() = services;
}

const RenderServices& CurrentRenderServices() {
    return Installed();
}

IInteraction& RenderInteraction() {
    static SilentInteraction silent;
    return Installed().interaction != nullptr ? *Installed().interaction : silent;
}

ISettingsStore& RenderSettings() {
    static EmptySettings empty;
    return Installed().settings != nullptr ? *Installed().settings : empty;
}

}  // namespace dw
