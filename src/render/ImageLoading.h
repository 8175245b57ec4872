#pragma once
// Finding and loading an image element's picture: the configured search folders, the
// recovery dialog when a file is missing, the image chooser, and the offer to remember the
// folder of a file the user picked.
#include <QImage>
#include <optional>
#include <string>

#include "platform/Interaction.h"
#include "platform/SettingsStore.h"

namespace dw {

// Decodes path (relative to the working folder, any letter case and separator); when that
// fails, tries the name after the path's last separator in each folder of the settings
// ("Paths"/"Total" folders under "Path_1" ...), trimmed, with a separator added when it has
// none (an empty folder tries the bare name). Returns 0 when picture was loaded, else 1.
int LoadImageWithSearchPaths(QImage& picture, const std::string& path,
                             const ISettingsStore& settings);

// The image chooser: "Select image", starting at path, the file must exist. The chosen file,
// lower-cased and made relative (MakeRelativePath), or nothing when cancelled.
std::optional<std::string> ChooseImageFile(const std::string& path, IInteraction& interaction);

struct ImageLoadOutcome {
    bool loaded = false;
    QImage picture;           // Format_RGB32 when loaded
    std::string file;         // the element's new file: the last path tried, relative
    bool userPicked = false;  // a file came from the chooser
};

// The loading loop: tries path (made relative first); while it cannot be loaded asks
// "File not fount" whether to pick another file, and tries the picked one. Stops without a
// picture on an empty path, on No or when the chooser is cancelled; file then holds the last
// path tried.
ImageLoadOutcome LoadImageFile(const std::string& path, IInteraction& interaction,
                               const ISettingsStore& settings);

// After a picked file was loaded: asks "New path for search" whether to add its folder to the
// search folders, and on Yes appends it ("Path_<Total+1>", then "Total").
void OfferSearchPath(const std::string& pickedFile, IInteraction& interaction,
                     ISettingsStore& settings);

// The folder part of a path as the two questions show it: the part before the last
// separator, or "./" when there is none.
std::string FolderForMessage(const std::string& path);

}  // namespace dw
