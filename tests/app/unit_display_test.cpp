// Showing a unit: the first one after Open, the one chosen in the list with
// the keys or the mouse, a short unit line, and a table without units.
#include <QApplication>
#include <QTest>

#include "app/framework/language.h"
#include "table/text_format.h"
#include "tests/app/unit_form_fixture.h"

namespace kelvor::test {
namespace {

using form::FieldKind;

class UnitDisplayTest : public UnitFormFixture {
protected:
    // Every field of `line` in its control, by the record layout.
    void ExpectShown(const std::string& line, int unitNumber) {
        const Fields fields = SplitFields(line);
        ASSERT_GE(fields.size(), 194u);
        CUnitEditorDlg& dlg = Window();
        for (const form::FieldLayout& f : form::RecordLayout()) {
            const std::string& v = fields[static_cast<std::size_t>(f.field)];
            switch (f.kind) {
            case FieldKind::Text: EXPECT_EQ(ItemText(dlg, f.controlId), v) << f.field; break;
            case FieldKind::Integer:
                EXPECT_EQ(ItemText(dlg, f.controlId), std::to_string(table::ParseDecimal(v))) << f.field;
                break;
            case FieldKind::Flag: EXPECT_EQ(IsChecked(dlg, f.controlId), v == table::kMarkSet) << f.field; break;
            case FieldKind::MovementClass: {
                fw::ByteList& list = List(dlg, f.controlId);
                EXPECT_EQ(list.bytesAt(list.currentIndex()), table::MovementClassName(v)) << f.field;
                break;
            }
            case FieldKind::TableValue: {
                fw::ByteList& list = List(dlg, f.controlId);
                EXPECT_EQ(list.currentIndex(), list.findBytes(v)) << f.field;
                EXPECT_GE(list.currentIndex(), 0) << f.field;
                break;
            }
            case FieldKind::Marker: break;
            }
        }
        EXPECT_EQ(ItemText(dlg, res::kIdUnitNumber), std::to_string(unitNumber));
    }
};

TEST_F(UnitDisplayTest, OpenShowsTheFirstUnitInEveryControlByItsKind) {
    // Field 2 with a leading zero, 8 beyond its range, 19 empty, 20 signed,
    // 4 differing from the first unit's only in letter case, 27 no movement
    // code of the table, flags other than "○".
    const std::string first = NormalUnitLine(Sjis("ソ連戦車"), 1, {{2, "007"}, {8, "300"}, {19, ""}, {20, "-5"},
                                                                   {4, "abc"}, {9, table::kMarkClear}, {10, ""}});
    const std::string second = NormalUnitLine("B", 2, {{4, "ABC"}, {27, "00000011"}, {9, table::kMarkSet}});
    Open(kHeadings + first + "\r\n" + second + "\r\n");
    CUnitEditorDlg& dlg = Window();
    EXPECT_EQ(dlg.IsUnitShown(), 1);
    EXPECT_EQ(Units(dlg).GetCurSel(), 0);
    ExpectShown(first, 1);
    EXPECT_EQ(ItemText(dlg, 1012), "7");
    EXPECT_EQ(ItemText(dlg, 1023), "300");  // ranges are not enforced when showing
    EXPECT_EQ(ItemText(dlg, 1210), "0");

    EXPECT_EQ(dlg.SelectUnit(1), 1);
    EXPECT_EQ(Units(dlg).GetCurSel(), 1);  // the list follows a unit chosen by code
    EXPECT_EQ(List(dlg, 1019).bytesAt(List(dlg, 1019).currentIndex()), "abc");
    // The unknown code is shown as it is, as an item of its own, marked.
    fw::ByteList& odd = List(dlg, 1055);
    EXPECT_EQ(odd.currentIndex(), odd.count() - 1);
    EXPECT_EQ(odd.currentText(), QString::fromUtf8("00000011 (表にない値)"));
    for (const auto& [language, text] : {std::pair{fw::Language::English, "00000011 (not in the table)"},
                                         {fw::Language::Japanese, "00000011 (表にない値)"}}) {
        fw::UseLanguage(language);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(odd.currentText(), QString::fromUtf8(text));
    }
    EXPECT_EQ(dlg.Record()[27], "error");
    for (int id : {1029, 1054, 1056, 1057, 1058}) EXPECT_GE(List(dlg, id).currentIndex(), 0) << id;
    EXPECT_EQ(IsChecked(dlg, 1025), 1);
    EXPECT_EQ(ItemText(dlg, res::kIdUnitNumber), "2");
    EXPECT_TRUE(modal_.Messages().empty());
    // Another unit takes it away again.
    dlg.SelectUnit(0);
    EXPECT_EQ(odd.count(), 9);
}

TEST_F(UnitDisplayTest, KeysAndClicksShowTheChosenUnitAfreshFromItsLine) {
    const std::string a = NormalUnitLine("A", 1), b = NormalUnitLine("B", 2), c = NormalUnitLine("C", 3);
    Open(kHeadings + a + "\r\n" + b + "\r\n; note\r\n" + c + "\r\n");
    ShownWindow();
    fw::ChoiceListView* list = UnitList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Window().CurrentListIndex(), 1);
    ExpectShown(b, 2);
    QTest::keyClick(list, Qt::Key_Down);
    ExpectShown(c, 4);  // the note line counts: unit number = line number - 2

    // An edit not applied is kept until the user says: キャンセル stays on
    // the unit with the edit and the list's selection as they were, 破棄
    // drops it when the same unit is clicked again.
    Type(res::kIdUnitName, "changed");
    Type(1023, "12");
    const auto click = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
    };
    modal_.Answer(Sjis("編集中の内容を適用しますか?"), 2);
    click(0);
    EXPECT_EQ(ItemText(Window(), res::kIdUnitName), "changed");
    EXPECT_EQ(list->selectedRow(), 2);
    modal_.Answer(1);
    click(2);
    ExpectShown(c, 4);
    click(0);  // nothing pending: no question
    ExpectShown(a, 1);
    EXPECT_EQ(list->selectedRow(), 0);
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(UnitDisplayTest, ShortLineShowsWhatItHoldsNeverTheUnitBeforeAndApplyCompletesIt) {
    const std::string full = NormalUnitLine("Full", 1);
    Fields shortFields = SplitFields(NormalUnitLine("Short", 2));
    shortFields.resize(40);  // fields 0 to 39: the movement codes included
    const std::string shortLine = JoinFields(shortFields);
    Open(kHeadings + full + "\r\n" + shortLine + "\r\n");
    CUnitEditorDlg& dlg = Window();

    modal_.AcceptMessage(Sjis("このユニットの行には194項目のうち40項目しかありません。足りない項目は空で表示します。"),
                         fw::kIconInformation);
    ShownWindow();
    UnitList()->setFocus();
    QTest::keyClick(UnitList(), Qt::Key_Down);
    ASSERT_EQ(modal_.Messages().size(), 1u);
    EXPECT_EQ(ItemText(dlg, res::kIdUnitName), "Short");
    EXPECT_EQ(ItemText(dlg, 1031), std::to_string(table::ParseDecimal(shortFields[33])));
    EXPECT_EQ(List(dlg, 1029).bytesAt(List(dlg, 1029).currentIndex()),
              table::MovementClassName(shortFields[25]));
    // Fields 40 on: empty, 0, clear, unselected; none of them the full unit's.
    for (const form::FieldLayout& f : form::RecordLayout()) {
        if (f.field < 40) continue;
        switch (f.kind) {
        case FieldKind::Text: EXPECT_EQ(ItemText(dlg, f.controlId), "") << f.field; break;
        case FieldKind::Integer: EXPECT_EQ(ItemText(dlg, f.controlId), "0") << f.field; break;
        case FieldKind::Flag: EXPECT_EQ(IsChecked(dlg, f.controlId), 0) << f.field; break;
        default: EXPECT_EQ(List(dlg, f.controlId).currentIndex(), -1) << f.field; break;
        }
    }

    Apply();
    const Fields written = SplitFields(Line(4));
    ASSERT_EQ(written.size(), 194u);
    for (int f = 0; f < 40; ++f) EXPECT_EQ(written[static_cast<std::size_t>(f)], shortFields[static_cast<std::size_t>(f)]) << f;
    EXPECT_EQ(written[189], "0");
    EXPECT_EQ(written[64], "");  // a table value the line lacked stays empty
    EXPECT_EQ(Line(3), full);
}

TEST_F(UnitDisplayTest, TableWithoutUnitsEmptiesTheFormAndNothingActsOnIt) {
    Open(kHeadings + NormalUnitLine("A", 1) + "\r\n");
    CUnitEditorDlg& dlg = Window();
    const std::string noUnits = kHeadings + "x," + table::kMarkClear + ",1\r\n";
    Open(noUnits);
    EXPECT_EQ(dlg.IsUnitShown(), 0);
    EXPECT_EQ(ItemText(dlg, res::kIdUnitName), "");
    EXPECT_EQ(ItemText(dlg, res::kIdUnitNumber), "");
    EXPECT_EQ(ItemText(dlg, 1023), "0");
    for (const form::FieldLayout& f : form::RecordLayout()) {
        if (f.kind == FieldKind::Flag) {
            EXPECT_EQ(IsChecked(dlg, f.controlId), 0) << f.field;
        }
        if (f.kind == FieldKind::MovementClass || f.kind == FieldKind::TableValue) {
            EXPECT_EQ(List(dlg, f.controlId).currentIndex(), -1) << f.field;
        }
    }
    // No dialog of any kind: the scripted services fail the test on one.
    Apply();
    EXPECT_EQ(Text(), noUnits);

    // A unit list left without a selection empties the form the same way.
    Open(kHeadings + NormalUnitLine("A", 1) + "\r\n");
    EXPECT_EQ(dlg.SelectUnit(-1), 1);
    EXPECT_EQ(dlg.IsUnitShown(), 0);
    EXPECT_EQ(ItemText(dlg, res::kIdUnitName), "");
    Apply();
    EXPECT_EQ(Line(3), NormalUnitLine("A", 1));
}

}  // namespace
}  // namespace kelvor::test
