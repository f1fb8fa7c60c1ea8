// The per-user profile: string values by section and entry. Values are
// code page 932 bytes in the program and converted only here.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace kelvor::fw {

class Profile {
public:
    virtual ~Profile();
    // The stored string, or defaultValue when there is none.
    virtual std::string GetProfileString(std::string_view section, std::string_view entry,
                                         std::string_view defaultValue) = 0;
    // Stores the value at once; false when it could not be stored.
    virtual bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value) = 0;
};

// An explicit settings file, for tests (never the user's profile).
struct IniFilePath {
    std::string path;  // UTF-8
};

// QSettings-backed profile. Each write is synced to storage before it
// returns. Values that decode cleanly are stored as readable text; any other
// bytes are stored as a byte array so that they come back unchanged.
class SettingsProfile : public Profile {
public:
    // The user's profile under the company key and the application's name
    // (QCoreApplication::applicationName()).
    explicit SettingsProfile(std::string_view organisation);
    explicit SettingsProfile(const IniFilePath& file);
    ~SettingsProfile() override;

    std::string GetProfileString(std::string_view section, std::string_view entry,
                                 std::string_view defaultValue) override;
    bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace kelvor::fw
