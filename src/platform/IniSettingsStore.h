#pragma once
// The settings store on a QSettings INI file. The program opens the user's own file
// (organisation "ZEKO", application "dialwright"); tests and dwtool open a file of their own.
#include <memory>
#include <string>

#include "platform/SettingsStore.h"

class QSettings;

namespace dw {

class IniSettingsStore : public ISettingsStore {
public:
    // The per-user store of the program.
    static std::unique_ptr<IniSettingsStore> OpenUserStore();
    // A store kept in the given INI file.
    explicit IniSettingsStore(const std::string& iniPath);
    ~IniSettingsStore() override;

    std::int32_t ReadInt(const std::string& section, const std::string& key,
                         std::int32_t defaultValue) const override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override;
    void WriteInt(const std::string& section, const std::string& key, std::int32_t value) override;
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;

    std::string FilePath() const;

private:
    explicit IniSettingsStore(std::unique_ptr<QSettings> settings);
    std::unique_ptr<QSettings> settings_;
};

}  // namespace dw
