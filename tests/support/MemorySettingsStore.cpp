#include "support/MemorySettingsStore.h"

namespace dwtest {

std::int32_t MemorySettingsStore::ReadInt(const std::string& section, const std::string& key,
                                          std::int32_t defaultValue) const {
    reads.push_back(section + "/" + key);
    const auto it = values_.find({section, key});
    if (it == values_.end()) return defaultValue;
    return dw::ParseSettingInt(it->second, defaultValue);
}

std::string MemorySettingsStore::ReadString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue) const {
    reads.push_back(section + "/" + key);
    const auto it = values_.find({section, key});
    return it == values_.end() ? defaultValue : it->second;
}

void MemorySettingsStore::WriteInt(const std::string& section, const std::string& key,
                                   std::int32_t value) {
    writes.push_back(section + "/" + key);
    values_[{section, key}] = std::to_string(value);
}

void MemorySettingsStore::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
    writes.push_back(section + "/" + key);
    values_[{section, key}] = value;
}

void MemorySettingsStore::Seed(const std::string& section, const std::string& key,
                               const std::string& value) {
    values_[{section, key}] = value;
}

void MemorySettingsStore::SeedInt(const std::string& section, const std::string& key,
                                  std::int32_t value) {
    values_[{section, key}] = std::to_string(value);
}

bool MemorySettingsStore::Has(const std::string& section, const std::string& key) const {
    return values_.count({section, key}) != 0;
}

std::optional<std::string> MemorySettingsStore::Raw(const std::string& section,
                                                    const std::string& key) const {
    const auto it = values_.find({section, key});
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

}  // namespace dwtest
