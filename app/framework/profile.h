// The per-user profile: folder and file paths by section and entry, kept as
// the platform's paths and stored as Unicode text, and a few other settings.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "app/framework/paths.h"

namespace kelvor::fw {

class Profile {
public:
    virtual ~Profile();
    // A stored path, or defaultValue when there is none.
    virtual Path GetProfilePath(std::string_view section, std::string_view entry, const Path& defaultValue) = 0;
    // Stores the path at once as Unicode text; false when it could not be stored.
    virtual bool WriteProfilePath(std::string_view section, std::string_view entry, const Path& value) = 0;
    // The same for a setting that is no path (UTF-8 text).
    virtual std::string GetProfileText(std::string_view section, std::string_view entry,
                                       const std::string& defaultValue) = 0;
    virtual bool WriteProfileText(std::string_view section, std::string_view entry, const std::string& value) = 0;
};

// An explicit settings file, for tests (never the user's profile).
struct IniFilePath {
    Path path;
};

// QSettings-backed profile. Each write is synced to storage before it
// returns.
class SettingsProfile : public Profile {
public:
    // The user's profile under the company key and the application's name
    // (QCoreApplication::applicationName()).
    explicit SettingsProfile(std::string_view organisation);
    explicit SettingsProfile(const IniFilePath& file);
    ~SettingsProfile() override;

    Path GetProfilePath(std::string_view section, std::string_view entry, const Path& defaultValue) override;
    bool WriteProfilePath(std::string_view section, std::string_view entry, const Path& value) override;
    std::string GetProfileText(std::string_view section, std::string_view entry,
                               const std::string& defaultValue) override;
    bool WriteProfileText(std::string_view section, std::string_view entry, const std::string& value) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace kelvor::fw
