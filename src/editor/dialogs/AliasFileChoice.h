#pragma once
// Choosing and finding the offset alias file, shared by the name search and the gauge
// properties.
#include <optional>
#include <string>

#include "platform/Interaction.h"

namespace dw::dialogs {

inline constexpr char kSelectAliasFileTitle[] = "Select Alias file";
inline constexpr char kAliasFileFilter[] = "Text files (*.txt)|*.txt|All Files (*.*)|*.*||";

// The "Select Alias file" chooser (the file must exist), starting in the folder of current.
// The chosen path lower-cased and made relative to the working folder, or nothing when the
// user cancelled.
std::optional<std::string> ChooseAliasFile(IInteraction& ui, const std::string& current);

// The real file of a stored alias file path (relative to the working folder, any case).
std::string AliasFileOnDisk(const std::string& stored);
// Whether the stored path names an existing file.
bool AliasFileExists(const std::string& stored);

}  // namespace dw::dialogs
