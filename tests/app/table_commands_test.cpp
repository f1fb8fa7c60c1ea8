// File › Open, the lists, line replacement and File › Save As through the
// real main window, with scripted dialogs and real files.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <vector>

#include "res/control_ids.h"
#include "table/file_lock.h"
#include "tests/app/framework/file_helpers.h"
#include "tests/app/main_window_fixture.h"

namespace kelvor::test {
namespace {

std::string Sjis(const char* utf8) { return fw::Cp932FromUtf8(utf8); }

const std::string kSet = "\x81\x9b";  // ○

// A unit line of 194 fields, CR LF ended; `fields` overrides some of them.
std::string UnitLine(const std::string& name, const std::map<int, std::string>& fields = {}) {
    std::string line;
    for (int i = 0; i < 194; ++i) {
        if (i) line += ',';
        auto it = fields.find(i);
        if (it != fields.end()) line += it->second;
        else if (i == 0) line += name;
        else if (i == 1) line += kSet;
        else line += "1";
    }
    return line + "\r\n";
}

const std::string kHeading = "; Halvane unit table\r\n" + Sjis("名前,○か×,旗") + "\r\n\r\n";

void WriteBytes(const fw::Path& path, const std::string& bytes) { fw::testing::Put(path, bytes); }
std::string ReadBytes(const fw::Path& path) { return fw::testing::Slurp(path); }

bool Exists(const fw::Path& path) { return QFileInfo::exists(fw::FromPath(path)); }

QStringList Listing(const fw::Path& folder) {
    return QDir(fw::FromPath(folder)).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

class TableCommandsTest : public MainWindowTest {
protected:
    // Opens `bytes` as folder/name through File › Open.
    void OpenTable(const std::string& bytes, const char* name = "weapon.dat") {
        const fw::Path path = TempPath(name);
        WriteBytes(path, bytes);
        modal_.ChooseFile(path);
        Trigger(Window(), menu::kOpen);
        ASSERT_EQ(Window().IsTableLoaded(), 1);
    }

    void SaveAs(const fw::Path& path) {
        modal_.ChooseFile(path);
        Trigger(Window(), menu::kSaveAs);
    }

    std::vector<std::string> ListTexts(int id) {
        std::vector<std::string> out;
        fw::ByteList& list = List(Window(), id);
        for (int i = 0; i < list.count(); ++i) out.push_back(list.bytesAt(i));
        return out;
    }
};

TEST_F(TableCommandsTest, OpenListsEveryUnitLineWithItsLineNumberAndTheDistinctTableValues) {
    const std::string table = kHeading + UnitLine("Tank", {{3, "Air"}, {64, "gun"}, {84, "GUN"}, {104, "aa"}}) +
                              "not,a,unit\r\n" + UnitLine("Tank", {{3, "AIR"}, {4, "x"}, {144, "ship"}}) +
                              "x," + Sjis("×") + ",2\r\n" + UnitLine(Sjis("ソ連戦車"), {{3, "sea"}});
    OpenTable(table);
    CUnitEditorDlg& dlg = Window();
    const UnitListProbe units = Units(dlg);
    ASSERT_EQ(units.GetCount(), 3);
    EXPECT_EQ(units.GetText(0), "Tank");
    EXPECT_EQ(units.GetText(1), "Tank");
    EXPECT_EQ(units.GetText(2), Sjis("ソ連戦車"));
    EXPECT_EQ(units.GetItemData(0), 3);
    EXPECT_EQ(units.GetItemData(1), 5);
    EXPECT_EQ(units.GetItemData(2), 7);

    // Values that differ only in letter case share the item met first.
    EXPECT_EQ(ListTexts(1018), (std::vector<std::string>{"Air", "sea"}));
    EXPECT_EQ(ListTexts(1019), (std::vector<std::string>{"1", "x"}));
    const std::vector<std::string> weapons{"gun", "aa", "1", "ship"};
    for (int id : {1071, 1128, 1129, 1130, 1131}) EXPECT_EQ(ListTexts(id), weapons) << id;
    // The movement-class lists are not rebuilt.
    EXPECT_EQ(List(dlg, 1029).bytesAt(8), Sjis("ホバー"));

    EXPECT_EQ(dlg.LastDir(), TempFolder());
    EXPECT_EQ(StoredSetting("LastDir"), TempFolder());
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(TableCommandsTest, OpenDialogAsksForATableInTheLastFolder) {
    OpenTable(kHeading + UnitLine("A"), "first.dat");
    ASSERT_EQ(modal_.FileDialogs().size(), 1u);
    const fw::FileDialogRequest& asked = modal_.FileDialogs()[0].request;
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.title, Sjis("兵器データファイルの選択"));
    EXPECT_EQ(asked.filter, Sjis("ﾃﾞｰﾀﾌｧｲﾙ (*.dat)|*.dat|全てのﾌｧｲﾙ (*.*)|*.*||"));
    EXPECT_EQ(asked.flags, 6u);
    EXPECT_EQ(asked.fileName, "weapon.dat");
    // The next dialog offers the name chosen last, in its folder.
    modal_.CancelFileDialog();
    Trigger(Window(), menu::kSaveAs);
    EXPECT_EQ(modal_.FileDialogs()[1].request.fileName, "first.dat");
    EXPECT_EQ(modal_.FileDialogs()[1].request.initialFolder, TempFolder());
    EXPECT_FALSE(modal_.FileDialogs()[1].request.open);
}

TEST_F(TableCommandsTest, CancelledDialogsChangeNothingNotEvenTheProfile) {
    CUnitEditorDlg& dlg = Window();
    const std::string before = dlg.LastDir();
    modal_.CancelFileDialog();
    Trigger(dlg, menu::kOpen);
    EXPECT_EQ(dlg.IsTableLoaded(), 0);
    EXPECT_EQ(dlg.LastDir(), before);
    EXPECT_EQ(StoredSetting("LastDir"), "<unset>");

    OpenTable(kHeading + UnitLine("A"));
    WriteBytes(TempPath("profile/Kelvor.conf"), "");  // forget what Open stored
    modal_.CancelFileDialog();
    Trigger(dlg, menu::kSaveAs);
    EXPECT_EQ(StoredSetting("LastDir"), "<unset>");
    EXPECT_EQ(Listing(TempFolder()), QStringList{QStringLiteral("weapon.dat")});
}

TEST_F(TableCommandsTest, FailedOpenNamesTheFileAndKeepsTheLoadedTable) {
    OpenTable(kHeading + UnitLine("Kept"));
    CUnitEditorDlg& dlg = Window();
    QDir(fw::FromPath(TempFolder())).mkpath(QStringLiteral("sub/folder.dat"));
    // A named pipe with no writer would block an open for good.
    ASSERT_EQ(::mkfifo(TempPath("sub/pipe.dat").c_str(), 0600), 0);
    std::vector<std::pair<fw::Path, const char*>> cases = {{TempPath("sub/folder.dat"), "フォルダです"},
                                                            {TempPath("sub/pipe.dat"), "通常のファイルではありません"}};
    if (geteuid() != 0) {  // permissions do not stop root
        WriteBytes(TempPath("sub/locked.dat"), kHeading + UnitLine("Locked"));
        QFile::setPermissions(fw::FromPath(TempPath("sub/locked.dat")), QFileDevice::WriteOwner);
        cases.emplace_back(TempPath("sub/locked.dat"), "アクセスが拒否されました");
    }
    cases.emplace_back(TempPath("sub/vanished.dat"), "ファイルまたはフォルダがありません");
    for (const auto& [bad, why] : cases) {
        modal_.ChooseFile(bad);
        modal_.AcceptMessage(OpenFailedText(bad, why), fw::kIconStop);
        Trigger(dlg, menu::kOpen);
        EXPECT_EQ(Units(dlg).GetCount(), 1);
        EXPECT_EQ(Units(dlg).GetText(0), "Kept");
        // The folder was remembered before the file was touched.
        EXPECT_EQ(dlg.LastDir(), TempFolder("sub"));
        EXPECT_EQ(StoredSetting("LastDir"), TempFolder("sub"));
    }
    EXPECT_EQ(dlg.CurrentFileName(), "vanished.dat");
    EXPECT_EQ(std::string(dlg.Document().data(), dlg.Document().size()), kHeading + UnitLine("Kept"));
}

TEST_F(TableCommandsTest, BitmapFoldersBesideTheTableAreFoundAndRemembered) {
    QDir(fw::FromPath(TempFolder())).mkpath(QStringLiteral("bmp"));
    WriteBytes(TempPath("bmp/panel_btn.bmp"), "BM");
    OpenTable(kHeading + UnitLine("A"));
    EXPECT_EQ(Window().SystemBitmapDir(), TempFolder("bmp"));
    EXPECT_EQ(StoredSetting("SystemBitmapDir"), TempFolder("bmp"));
    // No unit/101.bmp: the unit folder keeps its value.
    EXPECT_NE(Window().UnitBitmapDir(), TempFolder("unit"));
    EXPECT_EQ(StoredSetting("UnitBitmapDir"), "<unset>");

    QDir(fw::FromPath(TempFolder())).mkpath(QStringLiteral("unit"));
    WriteBytes(TempPath("unit/101.bmp"), "BM");
    OpenTable(kHeading + UnitLine("A"));
    EXPECT_EQ(Window().UnitBitmapDir(), TempFolder("unit"));
    EXPECT_EQ(StoredSetting("UnitBitmapDir"), TempFolder("unit"));
}

TEST_F(TableCommandsTest, SavingOverTheOpenedFileKeepsTheOriginalOnceAsBackup) {
    const std::string original = kHeading + UnitLine("A") + UnitLine("B");
    OpenTable(original);
    CUnitEditorDlg& dlg = Window();
    const QDateTime originalTime = QFileInfo(fw::FromPath(TempPath("weapon.dat"))).lastModified();

    ASSERT_EQ(dlg.ReplaceLine(3, UnitLine("Changed").substr(0, UnitLine("Changed").size() - 2)), 1);
    SaveAs(TempPath("weapon.dat"));
    EXPECT_EQ(ReadBytes(TempPath("weapon.org")), original);
    EXPECT_EQ(QFileInfo(fw::FromPath(TempPath("weapon.org"))).lastModified(), originalTime);
    const std::string changed = kHeading + UnitLine("Changed") + UnitLine("B");
    EXPECT_EQ(ReadBytes(TempPath("weapon.dat")), changed);

    // The second save leaves the backup alone.
    ASSERT_EQ(dlg.ReplaceLine(4, "B2,x"), 1);
    SaveAs(TempPath("weapon.dat"));
    EXPECT_EQ(ReadBytes(TempPath("weapon.org")), original);
    EXPECT_EQ(ReadBytes(TempPath("weapon.dat")), kHeading + UnitLine("Changed") + "B2,x\r\n");
    EXPECT_EQ(Listing(TempFolder()), (QStringList{QStringLiteral("weapon.dat"), QStringLiteral("weapon.org")}));
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(TableCommandsTest, SavingUnderANewNameWritesTheTableWithoutABackup) {
    const std::string original = kHeading + UnitLine("A");
    OpenTable(original);
    QDir(fw::FromPath(TempFolder())).mkpath(QStringLiteral("elsewhere"));
    SaveAs(TempPath("elsewhere/copy.dat"));
    EXPECT_EQ(ReadBytes(TempPath("elsewhere/copy.dat")), original);
    EXPECT_FALSE(Exists(TempPath("elsewhere/weapon.org")));
    EXPECT_TRUE(modal_.Messages().empty());
    EXPECT_EQ(Window().LastDir(), TempFolder("elsewhere"));
    EXPECT_EQ(Window().CurrentFileName(), "copy.dat");
}

// Opening and saving without edits gives back every byte, whatever the file
// holds.
TEST_F(TableCommandsTest, OddTablesComeBackByteForByte) {
    std::string big(5 * 1024 * 1024, 'x');
    std::string manyLines;
    for (int i = 0; i < 100000; ++i) manyLines += "a,b\r\n";
    std::string garbage;
    for (int i = 0; i < 70000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
    const std::string unit = UnitLine("U");
    // What each table is, and how many fields its first unit line holds
    // when that is fewer than 194 (the form then says so).
    struct Case {
        const char* what;
        std::string bytes;
        int shortFirstUnit = 0;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"nul bytes", std::string("A,\x81\x9b,\0,\0\r\n\0\0", 14) + unit, 4},
        {"garbage", garbage},
        {"no cr", "a,b\nc,d\n" + unit.substr(0, unit.size() - 2) + "\n"},
        {"no lf", "a,b\rc,d\r" + unit.substr(0, unit.size() - 1)},
        {"single 5 MB line", big},
        {"100000 short lines", manyLines},
        {"20 and 400 fields", "A," + kSet + ",1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n" +
                                  unit.substr(0, unit.size() - 2) + std::string(206, ',') + "\r\n", 20},
        {"last line without line end", unit + unit.substr(0, unit.size() - 2)},
    };
    int n = 0;
    for (const Case& c : cases) {
        const fw::Path in = TempPath("in.dat");
        WriteBytes(in, c.bytes);
        modal_.ChooseFile(in);
        if (c.shortFirstUnit) {
            modal_.AcceptMessage(Sjis("このユニットの行には194項目のうち") + std::to_string(c.shortFirstUnit) +
                                     Sjis("項目しかありません。足りない項目は空で表示します。"),
                                 fw::kIconInformation);
        }
        Trigger(Window(), menu::kOpen);
        const fw::Path out = TempPath(("out" + std::to_string(n++) + ".dat").c_str());
        SaveAs(out);
        EXPECT_TRUE(ReadBytes(out) == c.bytes) << c.what;
    }
    EXPECT_EQ(modal_.Messages().size(), 2u);
}

TEST_F(TableCommandsTest, FiftyMegabyteTableOpensListsAndSavesBackWhole) {
    std::string table = kHeading;
    const std::string unit = UnitLine("Big", {{3, "air"}, {64, "gun"}});
    while (table.size() < 50u * 1024 * 1024) table += unit;
    OpenTable(table);
    EXPECT_EQ(static_cast<std::size_t>(Units(Window()).GetCount()),
              (table.size() - kHeading.size()) / unit.size());
    EXPECT_EQ(ListTexts(1018), std::vector<std::string>{"air"});
    SaveAs(TempPath("big-copy.dat"));
    EXPECT_TRUE(ReadBytes(TempPath("big-copy.dat")) == table);
}

// Every unit with values of its own: the lists grow with the table, and
// opening it stays a single pass.
TEST_F(TableCommandsTest, TableWhereEveryValueIsDistinctOpens) {
    std::string table = kHeading;
    for (int i = 0; i < 20000; ++i) {
        const std::string n = std::to_string(i);
        table += UnitLine("U" + n, {{3, "a" + n}, {64, "w" + n}, {84, "W" + n}});
    }
    OpenTable(table);
    EXPECT_EQ(Units(Window()).GetCount(), 20000);
    EXPECT_EQ(List(Window(), 1018).count(), 20000);
    // "W7" matches "w7" ignoring case: one item each, plus the "1"s of the other weapons.
    EXPECT_EQ(List(Window(), 1131).count(), 20001);
}

TEST_F(TableCommandsTest, ShortUnitLinesAreListedAndOfferOnlyTheirOwnValues) {
    OpenTable(kHeading + UnitLine("Full", {{3, "high"}, {4, "walk"}}) + "Short," + kSet + ",1,low\r\n" +
              UnitLine("Last", {{3, "high"}}).substr(0, 300));
    CUnitEditorDlg& dlg = Window();
    EXPECT_EQ(Units(dlg).GetCount(), 3);
    EXPECT_EQ(ListTexts(1018), (std::vector<std::string>{"high", "low"}));
    EXPECT_EQ(ListTexts(1019), (std::vector<std::string>{"walk", "1"}));
}

// A save that fails part-way leaves the table on disk exactly as it was,
// says so, and leaves no temporary file behind.
class FailingSink : public fw::ByteSink {
public:
    FailingSink(std::unique_ptr<fw::ByteSink> inner, int failOn) : inner_(std::move(inner)), failOn_(failOn) {}
    std::int64_t Write(std::string_view block, std::string* error) override {
        if (++calls_ >= failOn_) {
            if (error) *error = "No space left on device";
            return -1;
        }
        // Short writes push the save into further calls.
        return inner_->Write(block.substr(0, std::max<std::size_t>(1, block.size() / 2)), error);
    }

private:
    std::unique_ptr<fw::ByteSink> inner_;
    int failOn_;
    int calls_ = 0;
};

class FailingFiles : public fw::FileService {
public:
    explicit FailingFiles(int failOn) : failOn_(failOn) {}

protected:
    std::unique_ptr<fw::ByteSink> OpenSink(QFile& file) override {
        return std::make_unique<FailingSink>(fw::FileService::OpenSink(file), failOn_);
    }

private:
    int failOn_;
};

TEST_F(TableCommandsTest, FailedWriteLeavesTheTableOnDiskUntouched) {
    for (int failOn : {1, 3}) {
        dlg_.reset();
        UseFiles(std::make_unique<FailingFiles>(failOn));
        const std::string original = kHeading + UnitLine("A") + UnitLine("B");
        OpenTable(original);
        ASSERT_EQ(Window().ReplaceLine(3, "edited," + kSet), 1);
        const QStringList before = Listing(TempFolder());
        const std::size_t messages = modal_.Messages().size();
        modal_.ChooseFile(TempPath("weapon.dat"));
        modal_.AcceptMessage();
        Trigger(Window(), menu::kSaveAs);
        EXPECT_EQ(ReadBytes(TempPath("weapon.dat")), original) << failOn;
        EXPECT_EQ(Listing(TempFolder()), before) << failOn;  // no temporary file, no backup
        ASSERT_EQ(modal_.Messages().size(), messages + 1);
        const auto& shown = modal_.Messages().back();
        EXPECT_EQ(shown.icon, fw::kIconStop);
        EXPECT_NE(shown.text.find("weapon.dat"), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find(Sjis("ディスクに空きがありません")), std::string::npos) << shown.text;
        // The document in memory is unchanged by the failure.
        EXPECT_EQ(std::string(Window().Document().data(), Window().Document().size()),
                  kHeading + "edited," + kSet + "\r\n" + UnitLine("B"));
    }
}

// A pipe at the backup's name would leave the table's first version nowhere:
// the save says so, naming it, and writes nothing (a folder or a broken link
// there: tests/table/safe_save_test.cpp).
TEST_F(TableCommandsTest, ABackupNameTakenByAPipeRefusesTheSave) {
    const std::string original = kHeading + UnitLine("A");
    OpenTable(original);
    const fw::Path backup = TempPath("weapon.org");
    ASSERT_EQ(::mkfifo(backup.c_str(), 0600), 0);
    ASSERT_EQ(Window().ReplaceLine(3, "edited," + kSet), 1);
    modal_.ChooseFile(TempPath("weapon.dat"));
    modal_.AcceptMessage(fw::PathForDisplay(backup) + Sjis(" の処理中にエラーが発生しました。\n通常のファイルではありません"),
                         fw::kIconStop);
    Trigger(Window(), menu::kSaveAs);
    EXPECT_EQ(ReadBytes(TempPath("weapon.dat")), original);
    EXPECT_TRUE(std::filesystem::is_fifo(backup));
}

// Another program in the middle of rewriting the table holds its lock: the
// save waits a moment, then says so and writes nothing.
TEST_F(TableCommandsTest, SaveWhileAnotherProgramRewritesTheTableWritesNothing) {
    const std::string original = kHeading + UnitLine("A");
    OpenTable(original);
    ASSERT_EQ(Window().ReplaceLine(3, "edited," + kSet), 1);
    table::FileLock other;
    ASSERT_EQ(table::LockForRewrite(TempPath("weapon.dat"), other, {}, nullptr), table::LockResult::Held);
    modal_.ChooseFile(TempPath("weapon.dat"));
    modal_.AcceptMessage(fw::PathForDisplay(TempPath("weapon.dat")) +
                             Sjis("\nほかのプログラムがこのファイルに書き込んでいます。しばらくしてからもう一度保存してください。"),
                         fw::kIconStop);
    Trigger(Window(), menu::kSaveAs);
    EXPECT_EQ(ReadBytes(TempPath("weapon.dat")), original);
    EXPECT_EQ(Listing(TempFolder()), QStringList{QStringLiteral("weapon.dat")});

    other.Release();
    SaveAs(TempPath("weapon.dat"));
    EXPECT_EQ(ReadBytes(TempPath("weapon.dat")), kHeading + "edited," + kSet + "\r\n");
}

TEST_F(TableCommandsTest, ReplaceLineRefusesALineThatIsNotThere) {
    const std::string original = kHeading + UnitLine("A");
    OpenTable(original);
    EXPECT_EQ(Window().ReplaceLine(4, "x"), 0);
    EXPECT_EQ(Window().ReplaceLine(400, "x"), 0);
    EXPECT_EQ(std::string(Window().Document().data(), Window().Document().size()), original);
}

// A table whose lines end in LF alone lists exactly its unit lines, each by
// its own name, and saves back unchanged.
TEST_F(TableCommandsTest, LfOnlyTableListsItsUnitsByTheirOwnNames) {
    std::string table = kHeading + UnitLine("Tank") + "note\r\n" + UnitLine("Jeep", {{3, "air"}});
    std::erase(table, '\r');
    OpenTable(table);
    const UnitListProbe units = Units(Window());
    ASSERT_EQ(units.GetCount(), 2);
    EXPECT_EQ(units.GetText(0), "Tank");
    EXPECT_EQ(units.GetItemData(0), 3);
    EXPECT_EQ(units.GetText(1), "Jeep");
    EXPECT_EQ(units.GetItemData(1), 5);
    EXPECT_EQ(ListTexts(1018), (std::vector<std::string>{"1", "air"}));
    SaveAs(TempPath("lf-copy.dat"));
    EXPECT_TRUE(ReadBytes(TempPath("lf-copy.dat")) == table);
}

}  // namespace
}  // namespace kelvor::test
