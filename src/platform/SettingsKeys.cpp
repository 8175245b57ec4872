#include "platform/SettingsKeys.h"

namespace dw::settings {

std::string PathKey(int index) {
    return "Path_" + std::to_string(index);
}

std::string HotKeyEntryKey(int index) {
    const std::string text = "0000" + std::to_string(index);
    return text.substr(text.size() - 4);
}

}  // namespace dw::settings
