#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/framework/codec.h"
#include "app/framework/profile.h"

namespace kelvor::fw {
namespace {

TEST(SettingsProfile, ValuesSurviveIntoAFreshInstance) {
    QTemporaryDir dir;
    const IniFilePath file{dir.filePath(QStringLiteral("profile.ini")).toStdString()};
    const std::string folder = Cp932FromUtf8("/ゲーム/Halvane/");
    const std::string odd("\x85\x40\xFD", 3);  // bytes that do not decode
    {
        SettingsProfile profile(file);
        EXPECT_EQ(profile.GetProfileString("InitData", "LastDir", "default"), "default");
        EXPECT_TRUE(profile.WriteProfileString("InitData", "LastDir", folder));
        EXPECT_TRUE(profile.WriteProfileString("InitData", "UnitBitmapDir", odd));
    }
    SettingsProfile fresh(file);
    EXPECT_EQ(fresh.GetProfileString("InitData", "LastDir", "default"), folder);
    EXPECT_EQ(fresh.GetProfileString("InitData", "UnitBitmapDir", "default"), odd);
    EXPECT_EQ(fresh.GetProfileString("InitData", "SystemBitmapDir", "default"), "default");

    QFile ini(QString::fromStdString(file.path));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString stored = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(stored.contains(QStringLiteral("[InitData]")));
}

TEST(SettingsProfile, AWriteThatCannotBeStoredReportsFailure) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsProfile profile(IniFilePath{dir.filePath(QStringLiteral("file/profile.ini")).toStdString()});
    EXPECT_FALSE(profile.WriteProfileString("InitData", "LastDir", "x"));
}

}  // namespace
}  // namespace kelvor::fw
