#include "files/GaugeVersion.h"

namespace dw {

bool IsNewerFormat(std::string_view version) {
    return version > kGaugeFormatVersion;
}

bool HasWindowPlacement(std::string_view version) {
    return version >= kWindowPlacementVersion;
}

bool HasColoursAndAlias(std::string_view version) {
    return version >= kColoursAndAliasVersion;
}

std::string NewerFileMessage(const std::string& path, const std::string& version) {
    return "The file " + path +
           " you are loading is incompatible with this version of Dialwright.\r\n\r\nIt's on " +
           version + " version and, must be on " + kGaugeFormatVersion +
           " version, or on a older one." + "\r\n\r\nPlease, got to " + kDialwrightWebSite +
           " and download the las version of Dialwright.";
}

std::string NewerFragmentMessage(const std::string& version) {
    return std::string(
               "The info you are 'pasting' is incompatible with this version of "
               "Dialwright.\r\n\r\nIt's on ") +
           version + " version and, must be on " + kGaugeFormatVersion +
           " version, or on a newest one.";
}

}  // namespace dw
