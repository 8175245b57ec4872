#pragma once
// A settings store that several threads of a run share: the frame thread records script
// errors and faults, the window thread link failures and click-script errors, image loads
// read the search folders. One lock serialises every read and write of the store below.
#include <mutex>

#include "platform/SettingsStore.h"

namespace dw {

class LockedSettingsStore : public ISettingsStore {
public:
    explicit LockedSettingsStore(ISettingsStore& base) : base_(base) {}

    std::int32_t ReadInt(const std::string& section, const std::string& key,
                         std::int32_t defaultValue) const override {
        std::lock_guard<std::mutex> lock(mutex_);
        return base_.ReadInt(section, key, defaultValue);
    }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override {
        std::lock_guard<std::mutex> lock(mutex_);
        return base_.ReadString(section, key, defaultValue);
    }
    void WriteInt(const std::string& section, const std::string& key, std::int32_t value) override {
        std::lock_guard<std::mutex> lock(mutex_);
        base_.WriteInt(section, key, value);
    }
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        std::lock_guard<std::mutex> lock(mutex_);
        base_.WriteString(section, key, value);
    }

private:
    ISettingsStore& base_;
    mutable std::mutex mutex_;
};

}  // namespace dw
