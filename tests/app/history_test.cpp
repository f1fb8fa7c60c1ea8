// The table's history and the questions before work is left: undo and redo
// put lines back byte for byte, the modified marker follows Save, closing
// and opening ask about changes not saved, showing another unit asks about
// edits not applied.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QUndoStack>

#include "tests/app/unit_form_fixture.h"

namespace kelvor::test {
namespace {

const std::string kSaveQuestion = Sjis("変更を保存しますか?");
const std::string kApplyQuestion = Sjis("編集中の内容を適用しますか?");
enum { kFirst = 0, kSecond = 1, kCancel = 2 };

class HistoryTest : public UnitFormFixture {
protected:
    // Three units; the second line ends in a bare LF, the last has no line end.
    void OpenThree() {
        a_ = NormalUnitLine("A", 1);
        b_ = NormalUnitLine("B", 2);
        c_ = NormalUnitLine("C", 3);
        opened_ = kHeadings + a_ + "\r\n" + b_ + "\n" + c_;
        Open(opened_);
    }
    std::string OnDisk() {
        QFile file(fw::FromPath(TempPath("weapon.dat")));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<missing>";
    }
    QAction* Entry(const char* text) { return FindAction(Window().menuBar()->actions(), QString::fromUtf8(text)); }
    QString UndoText() {
        for (QAction* a : Window().menuBar()->actions()[1]->menu()->actions())
            if (a->text().startsWith(QString::fromUtf8("元に戻す"))) return a->text();
        return {};
    }
    void EditDurability(int row, const char* value) {
        Window().SelectUnit(row);
        Type(1023, value);
        Apply();
    }
    std::string a_, b_, c_, opened_;
};

TEST_F(HistoryTest, UndoAndRedoPutLinesBackByteForByteAndTheMarkerFollowsSave) {
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    EXPECT_FALSE(dlg.isWindowModified());
    EditDurability(1, "200");
    EXPECT_TRUE(dlg.isWindowModified());
    EXPECT_EQ(UndoText(), QString::fromUtf8("元に戻す(&U) 適用: B"));
    EditDurability(2, "201");

    Entry("上書き保存(&W)")->trigger();  // no question, no file dialog
    EXPECT_FALSE(dlg.isWindowModified());
    EXPECT_TRUE(OnDisk() == Text());
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("weapon.dat[*] - Halvane ユニットエディタ"));

    dlg.OnUndo();  // back before the save: modified again, C as opened and shown
    EXPECT_TRUE(dlg.isWindowModified());
    EXPECT_EQ(dlg.CurrentListIndex(), 2);
    EXPECT_EQ(ItemText(dlg, 1023), SplitFields(c_)[8]);
    dlg.OnRedo();  // at the saved state again
    EXPECT_FALSE(dlg.isWindowModified());
    dlg.OnUndo();
    dlg.OnUndo();
    EXPECT_TRUE(Text() == opened_);  // the bare LF and the missing line end come back
    EXPECT_EQ(dlg.CurrentListIndex(), 1);
    EXPECT_FALSE(dlg.UndoStack()->canUndo());
    dlg.OnRedo();
    EXPECT_EQ(Line(4).substr(0, 2), "B,");
    EXPECT_NE(Text(), opened_);

    // An import is a step of its own, named by the unit it replaced.
    const std::string imported = NormalUnitLine("Imported", 9);
    QFile kmv(fw::FromPath(TempPath("unit0001.kmv")));
    ASSERT_TRUE(kmv.open(QIODevice::WriteOnly));
    kmv.write(QByteArray::fromStdString("3," + imported));
    kmv.close();
    modal_.ChooseFile(TempPath("unit0001.kmv"));
    Trigger(dlg, menu::kImportUnit);
    EXPECT_EQ(UndoText(), QString::fromUtf8("元に戻す(&U) 読み込み: ユニット 1"));
    EXPECT_EQ(Line(3), imported);
    dlg.OnUndo();
    EXPECT_EQ(Line(3), a_);
    EXPECT_EQ(Units(dlg).GetText(0), "A");
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(HistoryTest, ClosingWithChangesAsksAndEachAnswerDoesWhatItSays) {
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    EditDurability(0, "200");

    modal_.Answer(kSaveQuestion, kCancel);
    EXPECT_FALSE(dlg.close());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(OnDisk() == opened_);

    modal_.Answer(kSaveQuestion, kFirst);  // 保存: saved, then closed
    EXPECT_TRUE(dlg.close());
    EXPECT_TRUE(OnDisk() == Text());

    ShownWindow();
    EditDurability(0, "17");
    modal_.Answer(kSaveQuestion, kSecond);  // 保存しない: closed, the file as saved
    EXPECT_TRUE(dlg.close());
    EXPECT_FALSE(OnDisk() == Text());

    // File › 開く asks first too; キャンセル opens nothing.
    modal_.Answer(kSaveQuestion, kCancel);
    Trigger(dlg, menu::kOpen);
    EXPECT_TRUE(modal_.FileDialogs().size() == 1u);
}

TEST_F(HistoryTest, EditsNotAppliedAreAppliedDroppedOrKeptAsTheUserSays) {
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    Type(1023, "99");
    modal_.Answer(kApplyQuestion, kFirst);  // 適用, then the other unit
    dlg.ShowOtherUnit(1);
    EXPECT_EQ(dlg.CurrentListIndex(), 1);
    EXPECT_EQ(SplitFields(Line(3))[8], "99");

    Type(1023, "0");  // refused by Apply: the user stays with the edit
    modal_.Answer(kApplyQuestion, kFirst).AcceptMessage(Refusal(1023, "1 から 255 までの整数を入力してください。"),
                                                        fw::kIconExclamation);
    dlg.ShowOtherUnit(0);
    EXPECT_EQ(dlg.CurrentListIndex(), 1);
    EXPECT_EQ(ItemText(dlg, 1023), "0");

    // A number typed into 変 only to go there is no edit; another box is.
    Type(1023, SplitFields(b_)[8].c_str());
    Type(1082, "1");
    Click(dlg, res::kIdJumpTransform);
    EXPECT_EQ(dlg.CurrentListIndex(), 0);
    EXPECT_EQ(modal_.Questions().size(), 2u);
}

TEST_F(HistoryTest, AFailedSaveNamesTheFileKeepsTheMarkerAndTheRememberedFolder) {
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    EditDurability(0, "200");
    const fw::Path folder = dlg.LastDir();
    ASSERT_TRUE(QFile::remove(fw::FromPath(TempPath("weapon.dat"))));
    ASSERT_TRUE(QDir(fw::FromPath(TempFolder())).mkdir(QStringLiteral("weapon.dat")));  // a folder in its place
    modal_.Answer(0).AcceptMessage();  // the file changed since it was read: 上書き
    Entry("上書き保存(&W)")->trigger();
    ASSERT_EQ(modal_.Messages().size(), 1u);
    EXPECT_NE(fw::Utf8FromCp932(modal_.Messages()[0].text).find("weapon.dat"), std::string::npos);
    EXPECT_TRUE(dlg.isWindowModified());
    EXPECT_EQ(dlg.LastDir(), folder);
}

// Odd fields of every kind: nothing the user did not touch changes.
TEST_F(HistoryTest, ApplyKeepsEveryByteTheUserDidNotTouch) {
    const std::string dup = std::string("\xED\x40") + "A" + std::string("\xFA\x5C");  // NEC and IBM duplicate codes
    const std::string odd = NormalUnitLine(dup, 5, {{2, "007"}, {3, "AIR"}, {9, "o"}, {27, "00000011"}, {52, "-5"},
                                                    {60, ""}, {104, "Laser"}, {23, "1234567"}});
    const std::string table = kHeadings + NormalUnitLine("Air", 4, {{3, "Air"}}) + "\r\n" + odd + "\r\n";
    Open(table);
    CUnitEditorDlg& dlg = ShownWindow();
    for (int row : {0, 1, 0}) {
        dlg.SelectUnit(row);
        Apply();
    }
    EXPECT_TRUE(Text() == table);
    EXPECT_FALSE(dlg.isWindowModified());

    // One box and one list changed: exactly their fields' bytes change.
    dlg.SelectUnit(1);
    Type(1023, "42");
    Choose(1029, "VTOL");
    Apply();
    Fields expected = SplitFields(odd);
    expected[8] = "42";
    expected[25] = "01100000";
    EXPECT_EQ(SplitFields(Line(4)), expected);

    // One character typed into the name: the duplicate codes around it stay.
    EditBox(res::kIdUnitName)->setCursorPosition(2);
    EditBox(res::kIdUnitName)->insert(QStringLiteral("x"));
    Apply();
    expected[0] = std::string("\xED\x40") + "Ax" + std::string("\xFA\x5C");
    EXPECT_EQ(SplitFields(Line(4)), expected);
    EXPECT_TRUE(modal_.Messages().empty());
}

// Another program changed the file after it was opened: a save asks first
// (キャンセル writes nothing), and the change is said while the table is open.
TEST_F(HistoryTest, AChangeMadeByAnotherProgramIsNeverOverwrittenWithoutAQuestion) {
    const std::string overwrite = Sjis("このファイルは開いた後でほかのプログラムによって変更されています。上書きしますか?");
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    const auto writeOnDisk = [this](const std::string& bytes) {
        QFile file(fw::FromPath(TempPath("weapon.dat")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    };
    const std::string theirs = opened_ + "\r\n; added by another program\r\n";
    writeOnDisk(theirs);
    modal_.Answer(Sjis("このファイルはほかのプログラムによって変更されました。開き直しますか?"), 1);
    dlg.OnTableChangedOnDisk();
    dlg.OnTableChangedOnDisk();  // said once

    EditDurability(0, "200");
    modal_.Answer(overwrite, 1);  // キャンセル
    Entry("上書き保存(&W)")->trigger();
    EXPECT_TRUE(OnDisk() == theirs);
    EXPECT_TRUE(dlg.isWindowModified());
    modal_.Answer(overwrite, 0);  // 上書き
    Entry("上書き保存(&W)")->trigger();
    EXPECT_TRUE(OnDisk() == Text());
    Entry("上書き保存(&W)")->trigger();  // our own file: no question
    EXPECT_EQ(modal_.Questions().size(), 3u);

    // With nothing unsaved, 開き直す reads the file again.
    writeOnDisk(theirs);
    modal_.Answer(0);
    dlg.OnTableChangedOnDisk();
    EXPECT_TRUE(Text() == theirs);
    EXPECT_FALSE(dlg.isWindowModified());
}

}  // namespace
}  // namespace kelvor::test
