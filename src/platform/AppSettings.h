#pragma once
// The settings the main window reads at start and writes as the first step of every gauge
// save: background colour, last gauge, the two server links, the alias file and the
// window's place. Also the frame colours every element draws its editor frame with.
#include <cstdint>
#include <string>

#include "platform/Interaction.h"
#include "platform/SettingsStore.h"

namespace dw {

inline constexpr Colour kDefaultBackColour = 0x808080;
// Pens and brush of the editor frames (besides the dotted pen in InverseColour(background)).
inline constexpr Colour kFrameWhite = 0xFFFFFF;  // selected, not the primary element
inline constexpr Colour kFrameRed = 0x0000FF;    // selected and part of a group
inline constexpr Colour kFrameBlue = 0xC40000;   // the primary element; also the resize square

// The colour of the dotted frame pen on a background: each channel c becomes 255 - c,
// except that a channel of exactly 128 becomes 0, so the pen shows on the default grey.
Colour InverseColour(Colour background);

struct AppSettings {
    struct Link {
        std::string alias;
        std::string ip;
        std::int32_t port = 0;
    };
    // Screen rectangle of the main window (right and bottom excluded).
    struct WindowRect {
        std::int32_t left = 0;
        std::int32_t top = 0;
        std::int32_t right = 0;
        std::int32_t bottom = 0;
    };

    Colour backColor = kDefaultBackColour;
    std::string lastGauge;
    Link link1{"FlightSimulator", "127.0.0.1", 8090};
    Link link2{"MORV", "127.0.0.1", 8092};
    std::string aliasFile;  // "alias.txt" in the program folder unless configured
    WindowRect windowRect;
    bool maximized = false;

    // Reads every key, each absent one taking its default.
    static AppSettings Load(const ISettingsStore& store, const std::string& programFolder);
    // "ZEKO"/"AliasFile", defaulting to DefaultAliasFile(programFolder).
    static std::string ReadAliasFile(const ISettingsStore& store, const std::string& programFolder);
    static std::string DefaultAliasFile(const std::string& programFolder);

    // Writes, in this order: "Options" BackColor, LastGauge (= lastGaugePath); "ZEKO" Alias1,
    // ServerIp1, ServerPort1, Alias2, ServerIp2, ServerPort2, Rect_Left, Rect_Top,
    // Rect_Right, Rect_Bottom, Maximized (1 or 0). "AliasFile" is never written.
    void Save(ISettingsStore& store, const std::string& lastGaugePath, const WindowRect& rect,
              bool maximised) const;

    // The window starts maximised on first start (right and bottom both 0) or when it was
    // maximised when the settings were last saved.
    bool StartMaximised() const;
};

}  // namespace dw
