// Edit › 検索, the "変" and "ミ" buttons and the single-unit files through the
// real main window on the demo table, with scripted dialogs and real files.
#include <QDir>
#include <QFile>
#include <QDialog>
#include <QLineEdit>

#include <sys/stat.h>

#include <vector>

#include "app/framework/template_builder.h"
#include "res/control_ids.h"
#include "tests/app/framework/file_helpers.h"
#include "tests/app/main_window_fixture.h"
#include "tests/table/unit_lines.h"
#include "tools/demo_table.h"

namespace kelvor::test {
namespace {

using table::testing::Split;
std::string Sjis(const char* utf8) { return fw::Cp932FromUtf8(utf8); }

constexpr int kEditTransform = 1082;
constexpr int kEditMi = 1083;
constexpr int kEditMiSecond = 1084;

void WriteBytes(const fw::Path& path, const std::string& bytes) { fw::testing::Put(path, bytes); }
std::string ReadBytes(const fw::Path& path) { return fw::testing::Slurp(path); }

// Line n of a text without its line end.
std::string LineOf(const std::string& text, int n) {
    std::size_t start = 0;
    for (int i = 0; i < n; ++i) start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

class UnitCommandsTest : public MainWindowTest {
protected:
    // Opens the demo game table (unit n on line n + 2) through File › Open.
    void OpenDemoTable() { OpenTable(demo::DemoGameTable()); }

    void OpenTable(const std::string& bytes) {
        table_ = bytes;
        WriteBytes(TempPath("weapon.dat"), bytes);
        modal_.ChooseFile(TempPath("weapon.dat"));
        Trigger(Window(), menu::kOpen);
        ASSERT_EQ(Window().IsTableLoaded(), 1);
    }

    UnitListProbe Units() { return test::Units(Window()); }
    std::string Document() { return std::string(Window().Document().view()); }
    std::string Shown(int id) { return ItemText(Window(), id); }

    // Shows unit number n as a click in the list would.
    void ShowUnit(int unitNumber) { ASSERT_EQ(Window().SelectUnit(unitNumber - 1), 1); }

    // Runs the search, typing text into the box (nullptr: keep what it offers).
    void Search(const char* text, const std::string& offered = {}, bool notFound = false) {
        modal_.AnswerBox([text, offered](QDialog& box) {
            auto* edit = fw::FindControl<fw::ByteEdit>(&box, res::kIdSearchText);
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->bytes(), offered);
            EXPECT_EQ(edit->selectedText(), edit->text());  // typing replaces the offer
            if (text) edit->setBytes(Sjis(text));
            ScriptedModalServices::Press(box, res::kIdOk);
        });
        if (notFound) modal_.AcceptMessage(Sjis("指定された文字列は見つかりませんでした"), fw::kIconInformation);
        Trigger(Window(), menu::kSearch);
    }
    void SearchFindingNothing(const char* text, const std::string& offered = {}) { Search(text, offered, true); }

    std::string table_;
};

// ---- Search

TEST_F(UnitCommandsTest, SearchOffersTheLastTextAndKeepsItOnCancelAnEmptyTextAndANewTable) {
    OpenDemoTable();
    SearchFindingNothing("Tiger");
    SearchFindingNothing(nullptr, "Tiger");  // not found, but remembered
    modal_.AnswerBox([](QDialog& box) {
        fw::FindControl<fw::ByteEdit>(&box, res::kIdSearchText)->setBytes("Other");
        ScriptedModalServices::Press(box, res::kIdCancel);
    });
    Trigger(Window(), menu::kSearch);
    Search("", "Tiger");  // OK on an empty box searches nothing
    OpenDemoTable();
    SearchFindingNothing(nullptr, "Tiger");
    EXPECT_EQ(modal_.Messages().size(), 3u);
}

TEST_F(UnitCommandsTest, SearchIsExactAndNeverMatchesOnTheSecondByteOfACharacter) {
    OpenDemoTable();
    // Names with ソ and 表 (second byte "\") and 機 (second byte "@") are in
    // the table, and names with "A型"; no name holds a real "\" or "@".
    std::string offered;
    for (const char* text : {"\\", "@", "Ａ型", "a型"}) {
        SearchFindingNothing(text, offered);
        offered = Sjis(text);
    }
    EXPECT_EQ(modal_.Messages().size(), 4u);
}

TEST_F(UnitCommandsTest, SearchStepsDownThroughEveryMatchAndWrapsToTheTop) {
    OpenDemoTable();
    std::vector<int> matches;
    for (int i = 0; i < Units().GetCount(); ++i)
        if (fw::Utf8FromCp932(Units().GetText(i)).find("ヘリ") != std::string::npos) matches.push_back(i);
    ASSERT_GE(matches.size(), 3u);
    matches.push_back(matches.front());  // round to the top after the last

    Search("ヘリ");
    for (std::size_t k = 0; k < matches.size(); ++k) {
        if (k) Search(nullptr, Sjis("ヘリ"));
        EXPECT_EQ(Units().GetCurSel(), matches[k]) << k;
        EXPECT_EQ(Shown(res::kIdUnitName), Units().GetText(matches[k])) << k;
    }
    // With nothing selected the search starts at the first entry.
    Units().SetCurSel(-1);
    Search(nullptr, Sjis("ヘリ"));
    EXPECT_EQ(Units().GetCurSel(), matches.front());

    // The selected unit is looked at last: as the only match it is shown
    // afresh once the user drops the edit.
    ShowUnit(demo::kUnitTrailByte5C);
    TypeInto(Window(), res::kIdUnitName, "edited");
    modal_.AnswerBox([](QDialog& box) {
        fw::FindControl<fw::ByteEdit>(&box, res::kIdSearchText)->setBytes(Sjis("ソ連戦車"));
        ScriptedModalServices::Press(box, res::kIdOk);
    });
    modal_.Answer(Sjis("編集中の内容を適用しますか?"), 1);
    Trigger(Window(), menu::kSearch);
    EXPECT_EQ(Units().GetCurSel(), demo::kUnitTrailByte5C - 1);
    EXPECT_EQ(Shown(res::kIdUnitName), Sjis("ソ連戦車"));
    EXPECT_TRUE(modal_.Messages().empty());
}

// ---- The "変" and "ミ" buttons

TEST_F(UnitCommandsTest, ReferenceButtonsShowTheUnitTheirBoxNames) {
    OpenDemoTable();
    CUnitEditorDlg& dlg = Window();
    ShowUnit(demo::kUnitTransforms);
    Click(dlg, res::kIdJumpTransform);
    EXPECT_EQ(Shown(res::kIdUnitNumber), std::to_string(demo::kUnitTransformTarget));
    EXPECT_EQ(Units().GetCurSel(), demo::kUnitTransformTarget - 1);

    ShowUnit(demo::kUnitMissileRef);
    Click(dlg, res::kIdJumpMi);
    EXPECT_EQ(Shown(res::kIdUnitNumber), std::to_string(demo::kUnitMissileTarget));

    // A number typed and not applied serves the jump and is not stored.
    ShowUnit(1);
    TypeInto(dlg, kEditTransform, "12");
    Click(dlg, res::kIdJumpTransform);
    EXPECT_EQ(Shown(res::kIdUnitNumber), "12");
    ShowUnit(1);
    EXPECT_EQ(Shown(kEditTransform), "0");
    // "ミ" uses its first box only; a number typed into another box is an
    // edit the user is asked about.
    TypeInto(dlg, kEditMi, "40");
    TypeInto(dlg, kEditMiSecond, "7");
    modal_.Answer(Sjis("編集中の内容を適用しますか?"), 1);
    Click(dlg, res::kIdJumpMi);
    EXPECT_EQ(Shown(res::kIdUnitNumber), "40");
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(UnitCommandsTest, ReferenceButtonsDoNothingForZeroANumberWithoutUnitOrARefusedBox) {
    OpenDemoTable();
    CUnitEditorDlg& dlg = Window();
    ShowUnit(1);
    TypeInto(dlg, res::kIdUnitName, "edited");
    Click(dlg, res::kIdJumpTransform);  // field 50 is 0
    EXPECT_EQ(Shown(res::kIdUnitName), "edited");
    EXPECT_EQ(Units().GetCurSel(), 0);

    ShowUnit(demo::kUnitAllMaximum);  // 999 in both: no such unit
    TypeInto(dlg, res::kIdUnitName, "edited");
    Click(dlg, res::kIdJumpTransform);
    Click(dlg, res::kIdJumpMi);
    EXPECT_EQ(Units().GetCurSel(), demo::kUnitAllMaximum - 1);
    EXPECT_TRUE(modal_.Messages().empty());

    TypeInto(dlg, kEditTransform, "1000");
    modal_.AcceptMessage(Refusal(kEditTransform, "0 から 999 までの整数を入力してください。"), fw::kIconExclamation);
    Click(dlg, res::kIdJumpTransform);
    EXPECT_EQ(Units().GetCurSel(), demo::kUnitAllMaximum - 1);
    EXPECT_EQ(Shown(res::kIdUnitName), "edited");
}

// ---- Single-unit files

TEST_F(UnitCommandsTest, ExportWritesTheUnitAsLastShownUnderItsNumber) {
    OpenDemoTable();
    CUnitEditorDlg& dlg = Window();
    ShowUnit(demo::kUnitOddMovement);
    TypeInto(dlg, res::kIdUnitName, "edited");  // not applied: not written
    // A folder whose name code page 932 cannot hold: the path stays as it is.
    QDir(fw::FromPath(TempFolder())).mkpath(QStringLiteral("café 한국"));
    const fw::Path path = TempPath("café 한국/unit0060.kmv");
    modal_.ChooseFile(path);
    Trigger(dlg, menu::kExportUnit);

    ASSERT_EQ(modal_.FileDialogs().size(), 2u);
    const fw::FileDialogRequest& asked = modal_.FileDialogs()[1].request;
    EXPECT_FALSE(asked.open);
    EXPECT_EQ(asked.title, Sjis("兵器データファイルの選択"));
    EXPECT_EQ(asked.filter, Sjis("ﾕﾆｯﾄﾌｧｲﾙ (*.kmv)|*.kmv|全てのﾌｧｲﾙ (*.*)|*.*||"));
    EXPECT_EQ(asked.flags, 6u);
    EXPECT_EQ(asked.fileName, fw::Path("unit0060.kmv"));
    EXPECT_EQ(asked.initialFolder, TempFolder());

    const std::string written = ReadBytes(path);
    const std::vector<std::string> fields = Split(written);
    ASSERT_EQ(fields.size(), 195u);
    EXPECT_EQ(fields[0], "62");
    EXPECT_EQ(fields[28], "00000011");  // a code no class has, as stored
    EXPECT_EQ(written.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(fields, Split("62," + LineOf(table_, 62)));
    EXPECT_EQ(Shown(res::kIdUnitName), "edited");
    // Single-unit files keep a folder of their own; the table's stays.
    EXPECT_EQ(dlg.UnitFileDir(), TempFolder("café 한국"));
    EXPECT_EQ(StoredSetting("UnitFileDir"), TempFolder("café 한국"));
    EXPECT_EQ(dlg.LastDir(), TempFolder());

    // A file that cannot be made is reported; the folder is remembered anyway.
    modal_.ChooseFile(TempPath("missing/unit0060.kmv"));
    modal_.AcceptMessage(OpenFailedText(TempPath("missing/unit0060.kmv"), "ファイルまたはフォルダがありません"), fw::kIconStop);
    Trigger(dlg, menu::kExportUnit);
    EXPECT_EQ(dlg.UnitFileDir(), TempFolder("missing"));
}

// A short line shows its missing fields empty; a file of that record would
// be refused by the import, so it is not written until Apply makes the line
// whole.
TEST_F(UnitCommandsTest, AShortUnitIsExportedOnlyOnceAppliedWhole) {
    const std::vector<std::string> fields = Split(LineOf(demo::DemoGameTable(), 3));
    std::string shortLine = fields[0];
    for (int f = 1; f < 100; ++f) shortLine += "," + fields[static_cast<std::size_t>(f)];
    WriteBytes(TempPath("weapon.dat"), demo::DemoHeadingLines() + shortLine + "\r\n");
    modal_.ChooseFile(TempPath("weapon.dat"));
    modal_.AcceptMessage(Sjis("このユニットの行には194項目のうち100項目しかありません。足りない項目は空で表示します。"),
                         fw::kIconInformation);
    CUnitEditorDlg& dlg = Window();
    Trigger(dlg, menu::kOpen);
    const fw::Path path = TempPath("short.kmv");
    modal_.AcceptMessage(Sjis("このユニットを書き出しても読み込めない単体データになるため、書き出しません。\n"
                              "ユニットの行の最後の項目が空です。"),
                         fw::kIconStop);
    EXPECT_EQ(dlg.ExportUnitFile(), 0);
    EXPECT_EQ(modal_.FileDialogs().size(), 1u);  // no export dialog
    EXPECT_EQ(ReadBytes(path), "<missing>");

    Click(dlg, res::kIdApply);
    modal_.ChooseFile(path);
    EXPECT_EQ(dlg.ExportUnitFile(), 1);
    modal_.ChooseFile(path);
    EXPECT_EQ(dlg.ImportUnitFile(), 1);
}

TEST_F(UnitCommandsTest, ExportThenImportIntoTheUnchangedTableIsByteIdentical) {
    OpenDemoTable();
    CUnitEditorDlg& dlg = Window();
    QDir(fw::FromPath(TempFolder())).mkpath(QStringLiteral("表ソ café"));
    for (int unit : {1, demo::kUnitTrailByte5C, demo::kGameUnitCount}) {
        ShowUnit(unit);
        const fw::Path path = TempPath(("表ソ café/u" + std::to_string(unit) + ".kmv").c_str());
        modal_.ChooseFile(path);
        EXPECT_EQ(dlg.ExportUnitFile(), 1);
        ShowUnit(demo::kUnitMissileRef);  // another unit on display
        modal_.ChooseFile(path);
        EXPECT_EQ(dlg.ImportUnitFile(), 1);
        EXPECT_TRUE(Document() == table_) << unit;
        EXPECT_EQ(Units().GetCurSel(), unit - 1);
        EXPECT_EQ(Shown(res::kIdUnitNumber), std::to_string(unit));
    }
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(UnitCommandsTest, ImportPutsTheLineInPlaceWithOneLineEndAndRenewsItsEntry) {
    OpenDemoTable();
    CUnitEditorDlg& dlg = Window();
    std::vector<std::string> fields = Split(LineOf(table_, 42));
    fields[0] = Sjis("改名艇");
    std::string line;
    for (const std::string& f : fields) line += (line.empty() ? "" : ",") + f;
    const fw::Path path = TempPath("renamed.kmv");
    WriteBytes(path, "42," + line + "\r\nignored,line\r\n");  // a CR LF the import drops
    ShowUnit(1);
    modal_.ChooseFile(path);
    Trigger(dlg, menu::kImportUnit);

    std::string expected = table_;
    const std::string old = LineOf(table_, 42) + "\r\n";
    expected.replace(expected.find(old), old.size(), line + "\r\n");
    EXPECT_TRUE(Document() == expected);
    EXPECT_EQ(Units().GetText(39), Sjis("改名艇"));
    EXPECT_EQ(Units().GetItemData(39), 42);
    EXPECT_EQ(Units().GetCount(), demo::kGameUnitCount);
    EXPECT_EQ(Units().GetCurSel(), 39);
    EXPECT_EQ(Shown(res::kIdUnitName), Sjis("改名艇"));
}

TEST_F(UnitCommandsTest, RefusedImportSaysWhatIsWrongAndChangesNothing) {
    OpenDemoTable();
    CUnitEditorDlg& dlg = Window();
    const std::string unit = LineOf(table_, 5);
    std::vector<std::string> shortFields = Split(unit);
    shortFields.pop_back();
    std::string shortLine;
    for (const std::string& f : shortFields) shortLine += (shortLine.empty() ? "" : ",") + f;
    struct Case {
        std::string file;
        const char* says;  // part of the message
    };
    const std::vector<Case> cases = {
        {"", "「,」がありません"},
        {"5", "「,」がありません"},
        {"+5," + unit, "半角数字ではありません"},
        {"153," + unit, "行番号 153 の行は開いている表にありません（表は 153 行です）"},
        {"0," + unit, "行番号 0 の行はユニットの行ではありません"},
        {"2," + unit, "行番号 2 の行はユニットの行ではありません"},
        {"5," + shortLine, "項目数が 193 です"},
        {"5," + unit.substr(unit.find(',')), "最初の項目（兵器名）が空です"},
        {"5,name," + Sjis("×") + unit.substr(unit.find(',', unit.find(',') + 1)), "「○」ではありません"},
        {"5," + unit + ",", "項目数が 195 です"},
        {"5," + unit.substr(0, unit.size() - 1) + "\r5", "改行文字があります"},
    };
    const std::vector<std::string> names = [&] {
        std::vector<std::string> v;
        for (int i = 0; i < Units().GetCount(); ++i) v.push_back(Units().GetText(i));
        return v;
    }();
    const int selected = Units().GetCurSel();
    for (const Case& c : cases) {
        WriteBytes(TempPath("bad.kmv"), c.file);
        modal_.ChooseFile(TempPath("bad.kmv"));
        modal_.AcceptMessage();
        EXPECT_EQ(dlg.ImportUnitFile(), 0);
        ASSERT_FALSE(modal_.Messages().empty());
        const auto& shown = modal_.Messages().back();
        EXPECT_EQ(shown.icon, fw::kIconStop);
        EXPECT_NE(fw::Utf8FromCp932(shown.text).find(c.says), std::string::npos) << fw::Utf8FromCp932(shown.text);
        EXPECT_TRUE(Document() == table_) << c.says;
    }
    for (int i = 0; i < Units().GetCount(); ++i) EXPECT_EQ(Units().GetText(i), names[static_cast<std::size_t>(i)]);
    EXPECT_EQ(Units().GetCurSel(), selected);
}

TEST_F(UnitCommandsTest, ImportAsksForAUnitFileAndReportsOneThatCannotBeRead) {
    OpenDemoTable();
    CUnitEditorDlg& dlg = Window();
    modal_.CancelFileDialog();
    Trigger(dlg, menu::kImportUnit);
    const fw::FileDialogRequest& asked = modal_.FileDialogs().back().request;
    EXPECT_TRUE(asked.open);
    EXPECT_EQ(asked.title, Sjis("兵器データファイルの選択"));
    EXPECT_EQ(asked.filter, Sjis("ﾃﾞｰﾀﾌｧｲﾙ (*.kmv)|*.kmv|全てのﾌｧｲﾙ (*.*)|*.*||"));
    EXPECT_EQ(asked.flags, 4u);
    EXPECT_EQ(asked.fileName, fw::Path());
    EXPECT_EQ(asked.initialFolder, TempFolder());

    modal_.ChooseFile(TempPath("elsewhere/none.kmv"));
    modal_.AcceptMessage(OpenFailedText(TempPath("elsewhere/none.kmv"), "ファイルまたはフォルダがありません"), fw::kIconStop);
    Trigger(dlg, menu::kImportUnit);
    EXPECT_EQ(dlg.UnitFileDir(), TempFolder("elsewhere"));
    EXPECT_EQ(StoredSetting("UnitFileDir"), TempFolder("elsewhere"));
    // A named pipe is refused before it can block the window.
    QDir(fw::FromPath(TempFolder())).mkpath(QStringLiteral("elsewhere"));
    ASSERT_EQ(::mkfifo(TempPath("elsewhere/pipe.kmv").c_str(), 0600), 0);
    modal_.ChooseFile(TempPath("elsewhere/pipe.kmv"));
    modal_.AcceptMessage(OpenFailedText(TempPath("elsewhere/pipe.kmv"), "通常のファイルではありません"), fw::kIconStop);
    Trigger(dlg, menu::kImportUnit);
    EXPECT_TRUE(Document() == table_);
}

TEST_F(UnitCommandsTest, WithoutAUnitOnDisplayExportAndTheButtonsDoNothing) {
    OpenTable(demo::DemoHeadingLines());
    CUnitEditorDlg& dlg = Window();
    TypeInto(dlg, kEditTransform, "1");
    // The scripted services fail the test for any dialog or message.
    Trigger(dlg, menu::kExportUnit);
    Click(dlg, res::kIdJumpTransform);
    Click(dlg, res::kIdJumpMi);
    EXPECT_EQ(modal_.FileDialogs().size(), 1u);  // the Open dialog only
    // A search in an empty list finds nothing.
    SearchFindingNothing("x");
}

}  // namespace
}  // namespace kelvor::test
