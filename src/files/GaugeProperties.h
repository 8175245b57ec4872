#pragma once
// The gauge-wide records of a gauge file: the "properties" node and the two link nodes
// "zekolink_1" and "zekolink_2", with the version rules for reading older files.
#include <cstdint>
#include <optional>
#include <string>

#include "files/XmlNode.h"
#include "platform/AppSettings.h"
#include "platform/Interaction.h"

namespace dw {

using GaugeLink = AppSettings::Link;

inline constexpr const char* kPropertiesNode = "properties";
inline constexpr const char* kLink1Node = "zekolink_1";
inline constexpr const char* kLink2Node = "zekolink_2";

// Frames per second are kept within 1 to 40: below 1 becomes 10, above 40 becomes 40.
inline constexpr std::int32_t kDefaultFps = 10;
inline constexpr std::int32_t kMaxFps = 40;
std::int32_t ClampFps(std::int32_t fps);

// The main window's screen rectangle and whether it was maximised.
struct WindowPlacement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool maximized = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

struct GaugeProperties {
    std::string name;
    std::int32_t fps = kDefaultFps;
    WindowPlacement window;
    Colour backColor = kDefaultBackColour;
    bool runAtStart = false;
    std::string aliasFile;
    CustomColours customColors{};

    friend bool operator==(const GaugeProperties&, const GaugeProperties&) = default;
};

// Appends the "properties" child with every attribute in file order.
void AddPropertiesNode(XmlNode& root, const GaugeProperties& properties);
// Appends a link child ("zekolink_1" or "zekolink_2") with "alias", "ip" and "port".
void AddLinkNode(XmlNode& root, const char* nodeName, const GaugeLink& link);

// What a gauge file holds besides its elements, read as its version allows.
struct GaugeHeader {
    std::string version;              // "" when the root has none
    GaugeProperties properties;       // fps already kept within 1 to 40
    bool hasWindow = false;           // version 1.0.0.3 or later: properties.window is valid
    bool hasColoursAndAlias = false;  // 1.0.0.4 or later: customColors and aliasFile valid
    std::optional<GaugeLink> link1;   // nothing when the file has no such node
    std::optional<GaugeLink> link2;
};
GaugeHeader ReadGaugeHeader(const XmlNode& root);

}  // namespace dw
