// Apply: the form taken back into the unit's line by each field's kind, the
// refusals that change nothing, and show + Apply without an edit leaving
// every unit line in normal form byte for byte.
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

#include "tests/app/unit_form_fixture.h"
#include "tools/demo_table.h"

namespace kelvor::test {
namespace {

class ApplyTest : public UnitFormFixture {
protected:
    void OpenThree() {
        lines_ = {NormalUnitLine("A", 1), NormalUnitLine(Sjis("表示試験機"), 2), NormalUnitLine("C", 3)};
        Open(kHeadings + lines_[0] + "\r\n" + lines_[1] + "\r\n" + lines_[2] + "\r\n");
    }
    std::vector<std::string> lines_;
};

TEST_F(ApplyTest, EachKindIsWrittenIntoTheLineAndOnlyTheUnitsEntryIsRenewed) {
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    dlg.SelectUnit(1);
    Type(res::kIdUnitName, "ミサイル艇改");
    Type(1012, " 007 ");                                   // field 2
    Type(1084, "-5");                                      // field 52, no range
    qobject_cast<QAbstractButton*>(dlg.Control(1025))->setChecked(!IsChecked(dlg, 1025));  // field 9
    Choose(1029, "VTOL");                                  // field 25
    Choose(1128, "v2");                                    // field 84, weapon 2's type
    const std::string before = Text();
    QAbstractItemModel* model = UnitList()->model();
    QSignalSpy renewed(model, &QAbstractItemModel::dataChanged), reset(model, &QAbstractItemModel::modelReset);
    Apply();

    Fields expected = SplitFields(lines_[1]);
    expected[0] = Sjis("ミサイル艇改");
    expected[2] = "7";
    expected[52] = "-5";
    expected[9] = expected[9] == table::kMarkSet ? table::kMarkClear : table::kMarkSet;
    expected[25] = "01100000";
    expected[84] = "v2";
    EXPECT_EQ(SplitFields(Line(4)), expected);
    EXPECT_EQ(Line(3), lines_[0]);
    EXPECT_EQ(Line(5), lines_[2]);
    EXPECT_EQ(Text().size(), before.size() - lines_[1].size() + JoinFields(expected).size());
    EXPECT_EQ(dlg.Record()[25], "VTOL");  // the record keeps names, the line codes
    EXPECT_EQ(ItemText(dlg, 1012), " 007 ");  // the boxes keep what was typed

    // The entry shows the new name in its place, keeps its line, is
    // selected; no other row is touched.
    ASSERT_EQ(renewed.size(), 1);
    EXPECT_EQ(renewed[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(renewed[0][1].toModelIndex().row(), 1);
    EXPECT_EQ(reset.size(), 0);
    const UnitListProbe list = Units(dlg);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetText(0), "A");
    EXPECT_EQ(list.GetText(1), Sjis("ミサイル艇改"));
    EXPECT_EQ(list.GetText(2), "C");
    EXPECT_EQ(list.GetItemData(1), 4);
    EXPECT_EQ(list.GetCurSel(), 1);

    // Shown again, the unit comes from the replaced line; another Apply
    // leaves it as it is, the negative number it shows as 0 included.
    dlg.SelectUnit(0);
    dlg.SelectUnit(1);
    EXPECT_EQ(ItemText(dlg, 1012), "7");
    EXPECT_EQ(ItemText(dlg, 1084), "0");
    Apply();
    EXPECT_EQ(SplitFields(Line(4)), expected);
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(ApplyTest, EachRefusalShowsItsMessageFocusesTheBoxAndChangesNothing) {
    struct Case {
        int id;
        QString typed;
        std::string message;
    };
    const std::vector<Case> cases = {
        {res::kIdUnitName, QString(), Sjis("Unit name: ユニット名を入力してください。")},
        {res::kIdUnitName, QStringLiteral("a,b"), Refusal(res::kIdUnitName, "カンマ「,」と改行は保存できません。取り除いてください。")},
        {1086, QStringLiteral("x\ny"), Refusal(1086, "カンマ「,」と改行は保存できません。取り除いてください。")},
        {1070, QString::fromUtf8("戦車\U0001F600한\U0001F600"),
         Refusal(1070, "次の文字はシフトJISで表せないため保存できません: U+1F600 U+D55C")},
        {1023, QStringLiteral("300"), Sjis("耐久: 1 から 255 までの整数を入力してください。")},
        {1084, QStringLiteral("5a"), Refusal(1084, "整数を入力してください。")},
    };
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    dlg.SelectUnit(2);
    const std::string text = Text();
    const table::UnitRecord record = dlg.Record();
    for (const Case& c : cases) {
        dlg.SelectUnit(2);
        Type(c.id, c.typed);
        modal_.AcceptMessage(c.message, fw::kIconExclamation);
        Apply();
        EXPECT_EQ(modal_.PendingAnswers(), 0u) << c.id;
        EXPECT_EQ(QApplication::focusWidget(), EditBox(c.id)) << c.id;
        EXPECT_EQ(EditBox(c.id)->selectedText(), EditBox(c.id)->text()) << c.id;
        EXPECT_EQ(Text(), text) << c.id;
        EXPECT_EQ(dlg.Record(), record) << c.id;
        EXPECT_EQ(Units(dlg).GetText(2), "C") << c.id;
    }
}

TEST_F(ApplyTest, ChecksRunInTheExchangeOrderAndAnEditAfterARefusedBoxIsKept) {
    OpenThree();
    CUnitEditorDlg& dlg = ShownWindow();
    dlg.SelectUnit(0);
    // 1012 comes before 1023 and 1048 in the exchange order, 1011 before all.
    Type(1048, "a,b");
    Type(1023, "0");
    Type(1012, "256");
    Type(res::kIdUnitName, "");
    modal_.AcceptMessage(Refusal(res::kIdUnitName, "ユニット名を入力してください。"), fw::kIconExclamation);
    Apply();
    Type(res::kIdUnitName, "A2");
    modal_.AcceptMessage(Refusal(1012, "0 から 255 までの整数を入力してください。"), fw::kIconExclamation);
    Apply();
    Type(1012, "255");
    modal_.AcceptMessage(Refusal(1023, "1 から 255 までの整数を入力してください。"), fw::kIconExclamation);
    Apply();
    Type(1023, "9");
    Type(1027, "500");  // an edit after the refused box
    modal_.AcceptMessage(Refusal(1048, "カンマ「,」と改行は保存できません。取り除いてください。"), fw::kIconExclamation);
    Apply();
    EXPECT_EQ(Line(3), lines_[0]);
    Type(1048, "ab");
    Apply();
    Fields expected = SplitFields(lines_[0]);
    expected[0] = "A2";
    expected[2] = "255";
    expected[8] = "9";
    expected[24] = "500";
    expected[53] = "ab";
    EXPECT_EQ(SplitFields(Line(3)), expected);
    EXPECT_EQ(modal_.Messages().size(), 4u);
}

TEST_F(ApplyTest, DashesOfTheJisFormAreStoredAsTheCodePageCharacters) {
    OpenThree();
    ShownWindow();
    // Wave dash, em dash, double vertical line, minus, cent, pound, not.
    Type(res::kIdUnitName, QString::fromUtf8("A\u301C\u2014\u2016\u2212\u00A2\u00A3\u00AC"));
    Apply();
    EXPECT_EQ(SplitFields(Line(3))[0], "A\x81\x60\x81\x5C\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA");
    // Full-width digits and minus in number boxes are stored as ASCII.
    Type(1023, QString::fromUtf8("１２０"));
    Type(1084, QString::fromUtf8("－５"));
    Apply();
    EXPECT_EQ(SplitFields(Line(3))[8], "120");
    EXPECT_EQ(SplitFields(Line(3))[52], "-5");
    EXPECT_TRUE(modal_.Messages().empty());
}

// Shows every unit and applies it without an edit, then does it all again
// with two Applies each; gives the text after the first round and checks
// that the second changed nothing further.
std::string ShowAndApplyEach(CUnitEditorDlg& dlg) {
    const int count = Units(dlg).GetCount();
    for (int i = 0; i < count; ++i) {
        dlg.SelectUnit(i);
        Click(dlg, res::kIdApply);
    }
    const std::string once(dlg.Document().view());
    for (int i = 0; i < count; ++i) {
        dlg.SelectUnit(i);
        Click(dlg, res::kIdApply);
        Click(dlg, res::kIdApply);
    }
    EXPECT_TRUE(std::string(dlg.Document().view()) == once) << "a second Apply changed the text";
    return once;
}

TEST_F(ApplyTest, ShowAndApplyLeaveEveryNormalFormUnitOfTheDemoTableAsItWas) {
    const std::string table = demo::DemoGameTable();
    Open(table);
    ASSERT_EQ(Units(Window()).GetCount(), demo::kGameUnitCount);
    // Even the units not in normal form (a letter-case variant of a list's
    // item, a movement code no class has) keep every byte: nothing was edited.
    EXPECT_TRUE(ShowAndApplyEach(Window()) == table) << "show + Apply changed the table";
    EXPECT_TRUE(modal_.Messages().empty());
    EXPECT_TRUE(Window().UndoStack()->isClean());
}

TEST_F(ApplyTest, ShowAndApplyLeaveGeneratedNormalFormTablesAsTheyWere) {
    std::string generated = kHeadings;
    for (int n = 0; n < 60; ++n) generated += NormalUnitLine("U" + std::to_string(n), n * 13 + 5) + "\r\n";
    for (const std::string& table : {demo::DemoLargeTable(150000), generated}) {
        Open(table);
        EXPECT_TRUE(ShowAndApplyEach(Window()) == table);
    }
    EXPECT_TRUE(modal_.Messages().empty());
}

}  // namespace
}  // namespace kelvor::test
