#include "platform/OverlaySettingsStore.h"

namespace dw {

std::int32_t OverlaySettingsStore::ReadInt(const std::string& section, const std::string& key,
                                           std::int32_t defaultValue) const {
    const auto it = changes_.find({section, key});
    if (it == changes_.end()) return base_.ReadInt(section, key, defaultValue);
    return ParseSettingInt(it->second, defaultValue);
}

std::string OverlaySettingsStore::ReadString(const std::string& section, const std::string& key,
                                             const std::string& defaultValue) const {
    const auto it = changes_.find({section, key});
    if (it == changes_.end()) return base_.ReadString(section, key, defaultValue);
    return it->second;
}

void OverlaySettingsStore::WriteInt(const std::string& section, const std::string& key,
                                    std::int32_t value) {
    changes_[{section, key}] = std::to_string(value);
    writeLog_.push_back(section + "/" + key);
}

void OverlaySettingsStore::WriteString(const std::string& section, const std::string& key,
                                       const std::string& value) {
    changes_[{section, key}] = value;
    writeLog_.push_back(section + "/" + key);
}

}  // namespace dw
