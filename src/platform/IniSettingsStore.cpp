#include "platform/IniSettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace dw {

namespace {

// Strings are 8-bit text: each byte is one Latin-1 character in the store.
QString Key(const std::string& section, const std::string& key) {
    return QString::fromLatin1(section) + QLatin1Char('/') + QString::fromLatin1(key);
}

}  // namespace

std::unique_ptr<IniSettingsStore> IniSettingsStore::OpenUserStore() {
    return std::unique_ptr<IniSettingsStore>(new IniSettingsStore(
        std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                    QStringLiteral("ZEKO"), QStringLiteral("dialwright"))));
}

IniSettingsStore::IniSettingsStore(const std::string& iniPath)
    : settings_(
          std::make_unique<QSettings>(QString::fromLocal8Bit(iniPath), QSettings::IniFormat)) {}

IniSettingsStore::IniSettingsStore(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::int32_t IniSettingsStore::ReadInt(const std::string& section, const std::string& key,
                                       std::int32_t defaultValue) const {
    const QVariant value = settings_->value(Key(section, key));
    if (!value.isValid()) return defaultValue;
    return ParseSettingInt(value.toString().toLatin1().toStdString(), defaultValue);
}

std::string IniSettingsStore::ReadString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) const {
    const QVariant value = settings_->value(Key(section, key));
    if (!value.isValid()) return defaultValue;
    // A hand-edited value with an unquoted comma reads as a list: give it back as written.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toLatin1().toStdString();
    }
    return value.toString().toLatin1().toStdString();
}

void IniSettingsStore::WriteInt(const std::string& section, const std::string& key,
                                std::int32_t value) {
    settings_->setValue(Key(section, key), static_cast<int>(value));
    settings_->sync();
}

void IniSettingsStore::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    settings_->setValue(Key(section, key), QString::fromLatin1(value));
    settings_->sync();
}

std::string IniSettingsStore::FilePath() const {
    return settings_->fileName().toStdString();
}

}  // namespace dw
