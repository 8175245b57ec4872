#pragma once
// The chooser of sound files: "Select audio file" over WAV, WMA and MP3 files.
#include <optional>
#include <string>

#include "platform/Interaction.h"

namespace dw::dialogs {

// The filter list, piece by piece as the chooser shows it.
std::string AudioFileFilter();

// Starts at path (a stored name is found in any case); the chosen full path lower-cased, or
// nothing when the user cancelled.
std::optional<std::string> ChooseAudioFile(IInteraction& ui, const std::string& path);

}  // namespace dw::dialogs
