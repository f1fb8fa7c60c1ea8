// Folder and file names that code page 932 cannot hold (or holds with a
// trail byte 0x5C) open, probe, save and back up under their own names, and
// the folder is offered again by the next window on the same profile.
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "res/control_ids.h"
#include "tests/app/main_window_fixture.h"

namespace kelvor::test {
namespace {

const std::string kSet = "\x81\x9b";  // ○

// A table of one unit line of 194 fields.
std::string Table(const std::string& name) {
    std::string line = name + "," + kSet;
    for (int field = 2; field < 194; ++field) line += ",1";
    return "; heading\r\n\r\n" + line + "\r\n";
}

void Put(const fw::Path& path, const std::string& bytes) {
    QDir().mkpath(fw::FromPath(fw::FolderOf(path)));
    QFile file(fw::FromPath(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Get(const fw::Path& path) {
    QFile file(fw::FromPath(path));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

class PathNamesTest : public MainWindowTest,
                      public ::testing::WithParamInterface<const char*> {};

TEST_P(PathNamesTest, OpenProbeSaveAndBackUpKeepTheNamesOnDisk) {
    const QString name = QString::fromUtf8(GetParam());
    const fw::Path folder = TempFolder(GetParam());
    // Where code page 932 lacks a character, a folder under the damaged name
    // holds another table that must never be opened.
    const QString damaged = fw::FromCp932(fw::ToCp932(name));
    if (damaged != name) Put(TempFolder(damaged.toUtf8().constData()) / "weapon.dat", Table("Wrong"));
    Put(folder / "weapon.dat", Table("Right"));
    Put(folder / "bmp" / "panel_btn.bmp", "BM");
    Put(folder / "unit" / "101.bmp", "BM");
    Put(folder / "na?ve.dat", "unrelated");

    modal_.ChooseFile(folder / "weapon.dat");
    Trigger(Window(), menu::kOpen);
    ASSERT_TRUE(modal_.Messages().empty());
    ASSERT_EQ(Units(Window()).GetCount(), 1);
    EXPECT_EQ(Units(Window()).GetText(0), "Right");
    EXPECT_EQ(Window().LastDir(), folder);
    EXPECT_EQ(Window().SystemBitmapDir(), fw::Subfolder(folder, "bmp"));
    EXPECT_EQ(Window().UnitBitmapDir(), fw::Subfolder(folder, "unit"));
    EXPECT_EQ(StoredSetting("LastDir"), folder);
    EXPECT_EQ(StoredSetting("SystemBitmapDir"), fw::Subfolder(folder, "bmp"));
    EXPECT_EQ(StoredSetting("UnitBitmapDir"), fw::Subfolder(folder, "unit"));

    // Saving over the table keeps the original as weapon.org; a new name is
    // written as typed, beside the file whose name only looks alike.
    ASSERT_EQ(Window().ReplaceLine(2, "Edited," + kSet), 1);
    modal_.ChooseFile(folder / "weapon.dat");
    Trigger(Window(), menu::kSaveAs);
    modal_.ChooseFile(folder / fw::ToPath(QString::fromUtf8("naïve.dat")));
    Trigger(Window(), menu::kSaveAs);
    EXPECT_TRUE(modal_.Messages().empty());
    EXPECT_EQ(Get(folder / "weapon.org"), Table("Right"));
    EXPECT_EQ(Get(folder / "weapon.dat"), "; heading\r\n\r\nEdited," + kSet + "\r\n");
    EXPECT_EQ(Get(folder / fw::ToPath(QString::fromUtf8("naïve.dat"))), Get(folder / "weapon.dat"));
    EXPECT_EQ(Get(folder / "na?ve.dat"), "unrelated");
    EXPECT_EQ(Window().CurrentFileName(), fw::ToPath(QString::fromUtf8("naïve.dat")));

    QStringList made;
    for (QDirIterator it(dir_.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        made << QDir(dir_.path()).relativeFilePath(it.next());
    made.sort();
    QStringList expected{QStringLiteral("profile"), QStringLiteral("profile/Kelvor.conf"), name};
    for (const char* inside : {"bmp", "bmp/panel_btn.bmp", "na?ve.dat", "naïve.dat", "unit", "unit/101.bmp",
                               "weapon.dat", "weapon.org"})
        expected << name + QLatin1Char('/') + QString::fromUtf8(inside);
    if (damaged != name) expected << damaged << damaged + QStringLiteral("/weapon.dat");
    expected.sort();
    EXPECT_EQ(made, expected);

    // The next window on the same profile offers the folder again, and it is
    // there to be opened.
    dlg_.reset();
    modal_.CancelFileDialog();
    Trigger(Window(), menu::kOpen);
    ASSERT_EQ(modal_.FileDialogs().size(), 4u);
    EXPECT_EQ(modal_.FileDialogs()[3].request.initialFolder, folder);
    EXPECT_TRUE(QDir(fw::FromPath(modal_.FileDialogs()[3].request.initialFolder)).exists());
    EXPECT_EQ(Window().SystemBitmapDir(), fw::Subfolder(folder, "bmp"));
}

// Latin letters beyond code page 932, Hangul, and kanji whose second byte
// in code page 932 is 0x5C, the backslash.
INSTANTIATE_TEST_SUITE_P(Folders, PathNamesTest, ::testing::Values("café", "한국", "表ソ能"));

}  // namespace
}  // namespace kelvor::test
