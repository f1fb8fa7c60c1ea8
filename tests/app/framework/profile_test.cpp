#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/framework/codec.h"
#include "app/framework/profile.h"

namespace kelvor::fw {
namespace {

// A folder is stored as the text of its name, even where code page 932
// cannot hold it, and comes back as the same path.
TEST(SettingsProfile, PathsAreStoredAsUnicodeText) {
    QTemporaryDir dir;
    const IniFilePath file{ToPath(dir.filePath(QStringLiteral("profile.ini")))};
    const QString folder = QString::fromUtf8("/home/ユーザー/café/한국/");
    {
        SettingsProfile profile(file);
        EXPECT_EQ(profile.GetProfilePath("InitData", "LastDir", "/default/"), Path("/default/"));
        EXPECT_TRUE(profile.WriteProfilePath("InitData", "LastDir", ToPath(folder)));
    }
    EXPECT_EQ(SettingsProfile(file).GetProfilePath("InitData", "LastDir", "/default/"), ToPath(folder));
    const QSettings raw(FromPath(file.path), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("InitData/LastDir")).typeId(), QMetaType::QString);
    EXPECT_EQ(raw.value(QStringLiteral("InitData/LastDir")).toString(), folder);
}

TEST(SettingsProfile, AWriteThatCannotBeStoredReportsFailure) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsProfile profile(IniFilePath{ToPath(dir.filePath(QStringLiteral("file/profile.ini")))});
    EXPECT_FALSE(profile.WriteProfilePath("InitData", "LastDir", "/x/"));
}

}  // namespace
}  // namespace kelvor::fw
