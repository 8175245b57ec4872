#pragma once
// Versions of the gauge format and the texts that refuse a newer one. Versions are compared
// as plain strings, character by character ("10.0.0.0" sorts below "2.0.0.0"); a missing
// version is the empty text, below every version.
#include <string>
#include <string_view>

namespace dw {

inline constexpr const char* kGaugeFormatVersion = "2.0.0.0";
// First version that stores the window placement ("maximized", "pos_x" ... "pos_h").
inline constexpr const char* kWindowPlacementVersion = "1.0.0.3";
// First version that stores the custom colours and the alias file.
inline constexpr const char* kColoursAndAliasVersion = "1.0.0.4";
// The "xmlns" of the root "gauge" and the site named in the newer-version message.
inline constexpr const char* kGaugeSchemaAddress = "http://dialwright.example/schema/gauge";
inline constexpr const char* kDialwrightWebSite = "http://dialwright.example/";

inline constexpr const char* kInvalidFormatTitle = "Invalid file format.";

bool IsNewerFormat(std::string_view version);
bool HasWindowPlacement(std::string_view version);
bool HasColoursAndAlias(std::string_view version);

// The refusal of a gauge file of a newer version.
std::string NewerFileMessage(const std::string& path, const std::string& version);
// The refusal of a pasted fragment of a newer version.
std::string NewerFragmentMessage(const std::string& version);

}  // namespace dw
