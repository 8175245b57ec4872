#pragma once
// An in-memory settings store for tests. Integers and strings share one table, as in an INI
// file: a value written as an integer reads back as its decimal text and the other way round.
// Every write is also logged as "Section/Key" so tests can check the order of a save.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/SettingsStore.h"

namespace dwtest {

class MemorySettingsStore : public dw::ISettingsStore {
public:
    std::int32_t ReadInt(const std::string& section, const std::string& key,
                         std::int32_t defaultValue) const override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    void WriteInt(const std::string& section, const std::string& key, std::int32_t value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    // Puts a value in place without logging it as a write (test set-up).
    void Seed(const std::string& section, const std::string& key, const std::string& value);
    void SeedInt(const std::string& section, const std::string& key, std::int32_t value);

    bool Has(const std::string& section, const std::string& key) const;
    // The stored text of a key, or nothing when it is absent.
    std::optional<std::string> Raw(const std::string& section, const std::string& key) const;
    std::size_t Size() const { return values_.size(); }
    void Clear() { values_.clear(); }

    // "Section/Key" of every write, in order.
    std::vector<std::string> writes;
    // Reads made (also "Section/Key"), in order.
    mutable std::vector<std::string> reads;

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace dwtest
