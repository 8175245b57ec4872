#pragma once
// A settings store that reads through to another store but keeps its own writes in memory:
// later reads see those writes first, and the underlying store is never changed. dwtool runs
// program code on the user's settings this way without writing them.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/SettingsStore.h"

namespace dw {

class OverlaySettingsStore : public ISettingsStore {
public:
    // The base store must outlive the overlay.
    explicit OverlaySettingsStore(const ISettingsStore& base) : base_(base) {}

    std::int32_t ReadInt(const std::string& section, const std::string& key,
                         std::int32_t defaultValue) const override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    void WriteInt(const std::string& section, const std::string& key, std::int32_t value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    // The values written so far, by (section, key), as text (integers in decimal).
    const std::map<std::pair<std::string, std::string>, std::string>& Changes() const {
        return changes_;
    }
    // "Section/Key" of every write, in order.
    const std::vector<std::string>& WriteLog() const { return writeLog_; }

private:
    const ISettingsStore& base_;
    std::map<std::pair<std::string, std::string>, std::string> changes_;
    std::vector<std::string> writeLog_;
};

}  // namespace dw
