#include "platform/AppSettings.h"

#include "platform/ProgramPaths.h"
#include "platform/SettingsKeys.h"

namespace dw {

namespace {

std::uint32_t InverseChannel(std::uint32_t channel) {
    return channel == 128 ? 0 : 255 - channel;
}

}  // namespace

Colour InverseColour(Colour background) {
    const std::uint32_t red = InverseChannel(background & 0xFF);
    const std::uint32_t green = InverseChannel((background >> 8) & 0xFF);
    const std::uint32_t blue = InverseChannel((background >> 16) & 0xFF);
    return red | (green << 8) | (blue << 16);
}

std::string AppSettings::DefaultAliasFile(const std::string& programFolder) {
    return JoinPath(programFolder, kAliasFileName);
}

std::string AppSettings::ReadAliasFile(const ISettingsStore& store,
                                       const std::string& programFolder) {
    return store.ReadString(settings::kZeko, settings::kAliasFile, DefaultAliasFile(programFolder));
}

AppSettings AppSettings::Load(const ISettingsStore& store, const std::string& programFolder) {
    using namespace settings;
    AppSettings s;
    s.windowRect.left = store.ReadInt(kZeko, kRectLeft, 0);
    s.windowRect.top = store.ReadInt(kZeko, kRectTop, 0);
    s.windowRect.right = store.ReadInt(kZeko, kRectRight, 0);
    s.windowRect.bottom = store.ReadInt(kZeko, kRectBottom, 0);
    s.maximized = store.ReadInt(kZeko, kMaximized, 0) == 1;

    s.backColor = static_cast<Colour>(
        store.ReadInt(kOptions, kBackColor, static_cast<std::int32_t>(kDefaultBackColour)));
    s.lastGauge = store.ReadString(kOptions, kLastGauge, "");
    s.link1.alias = store.ReadString(kZeko, kAlias1, s.link1.alias);
    s.link1.ip = store.ReadString(kZeko, kServerIp1, s.link1.ip);
    s.link1.port = store.ReadInt(kZeko, kServerPort1, s.link1.port);
    s.link2.alias = store.ReadString(kZeko, kAlias2, s.link2.alias);
    s.link2.ip = store.ReadString(kZeko, kServerIp2, s.link2.ip);
    s.link2.port = store.ReadInt(kZeko, kServerPort2, s.link2.port);
    s.aliasFile = ReadAliasFile(store, programFolder);
    return s;
}

void AppSettings::Save(ISettingsStore& store, const std::string& lastGaugePath,
                       const WindowRect& rect, bool maximised) const {
    using namespace settings;
    store.WriteInt(kOptions, kBackColor, static_cast<std::int32_t>(backColor));
    store.WriteString(kOptions, kLastGauge, lastGaugePath);
    store.WriteString(kZeko, kAlias1, link1.alias);
    store.WriteString(kZeko, kServerIp1, link1.ip);
    store.WriteInt(kZeko, kServerPort1, link1.port);
    store.WriteString(kZeko, kAlias2, link2.alias);
    store.WriteString(kZeko, kServerIp2, link2.ip);
    store.WriteInt(kZeko, kServerPort2, link2.port);
    store.WriteInt(kZeko, kRectLeft, rect.left);
    store.WriteInt(kZeko, kRectTop, rect.top);
    store.WriteInt(kZeko, kRectRight, rect.right);
    store.WriteInt(kZeko, kRectBottom, rect.bottom);
    store.WriteInt(kZeko, kMaximized, maximised ? 1 : 0);
}

bool AppSettings::StartMaximised() const {
    if (windowRect.right == 0 && windowRect.bottom == 0) return true;
    return maximized;
}

}  // namespace dw
