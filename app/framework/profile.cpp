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
    d_->settings->setValue(KeyOf(section, entry), FromPath(value));
    d_->settings->sync();
    return d_->settings->status() == QSettings::NoError;
}

}  // namespace kelvor::fw
