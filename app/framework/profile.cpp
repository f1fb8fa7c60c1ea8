#include "app/framework/profile.h"

#include <QCoreApplication>
#include <QSettings>

#include "app/framework/codec.h"

namespace kelvor::fw {

Profile::~Profile() = default;

struct SettingsProfile::Impl {
    std::unique_ptr<QSettings> settings;
};

namespace {

QString KeyOf(std::string_view section, std::string_view entry) {
    return FromCp932(section) + QLatin1Char('/') + FromCp932(entry);
}

// Stores the value and syncs it to storage at once.
bool Write(QSettings& settings, const QString& key, const QString& value) {
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace

SettingsProfile::SettingsProfile(std::string_view organisation) : d_(std::make_unique<Impl>()) {
    d_->settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, FromCp932(organisation),
                                               QCoreApplication::applicationName());
}

SettingsProfile::SettingsProfile(const IniFilePath& file) : d_(std::make_unique<Impl>()) {
    d_->settings = std::make_unique<QSettings>(FromPath(file.path), QSettings::IniFormat);
}

SettingsProfile::~SettingsProfile() = default;

Path SettingsProfile::GetProfilePath(std::string_view section, std::string_view entry, const Path& defaultValue) {
    const QVariant value = d_->settings->value(KeyOf(section, entry));
    if (!value.isValid()) return defaultValue;
    return ToPath(value.toString());
}

bool SettingsProfile::WriteProfilePath(std::string_view section, std::string_view entry, const Path& value) {
    return Write(*d_->settings, KeyOf(section, entry), FromPath(value));
}

std::string SettingsProfile::GetProfileText(std::string_view section, std::string_view entry,
                                            const std::string& defaultValue) {
    const QVariant value = d_->settings->value(KeyOf(section, entry));
    return value.isValid() ? value.toString().toStdString() : defaultValue;
}

bool SettingsProfile::WriteProfileText(std::string_view section, std::string_view entry, const std::string& value) {
    return Write(*d_->settings, KeyOf(section, entry), QString::fromStdString(value));
}

}  // namespace kelvor::fw
