#pragma once
// The per-user settings store: sections of keys holding 32-bit integers or 8-bit strings.
// A key that is absent yields the caller's default.
#include <cstdint>
#include <memory>
#include <string>

namespace dw {

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual std::int32_t ReadInt(const std::string& section, const std::string& key,
                                 std::int32_t defaultValue) const = 0;
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const = 0;
    virtual void WriteInt(const std::string& section, const std::string& key,
                          std::int32_t value) = 0;
    virtual void WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;
};

// Reads an integer setting from its text: optional blanks, an optional sign and decimal
// digits, optional blanks; anything else, or a number beyond 64 bits, gives the default.
// Numbers beyond 32 bits keep their low 32 bits.
std::int32_t ParseSettingInt(const std::string& text, std::int32_t defaultValue);

}  // namespace dw
