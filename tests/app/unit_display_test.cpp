// Showing a unit: the first one after Open, the one chosen in the list with
// the keys or the mouse, a short unit line, and a table without units.
#include <QApplication>
#include <QTest>

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
            case FieldKind::Text: EXPECT_EQ(dlg.GetDlgItemText(f.controlId), v) << f.field; break;
            case FieldKind::Integer:
                EXPECT_EQ(dlg.GetDlgItemText(f.controlId), std::to_string(table::ParseDecimal(v))) << f.field;
                break;
            case FieldKind::Flag: EXPECT_EQ(dlg.IsDlgButtonChecked(f.controlId), v == table::kMarkSet) << f.field; break;
            case FieldKind::MovementClass: {
                fw::ComboBox& list = dlg.GetComboBox(f.controlId);
                EXPECT_EQ(list.GetLBText(list.GetCurSel()), table::MovementClassName(v)) << f.field;
                break;
            }
            case FieldKind::TableValue: {
                fw::ComboBox& list = dlg.GetComboBox(f.controlId);
                EXPECT_EQ(list.GetCurSel(), list.FindStringExact(-1, v)) << f.field;
                EXPECT_GE(list.GetCurSel(), 0) << f.field;
                break;
            }
            case FieldKind::Marker: break;
            }
        }
        EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitNumber), std::to_string(unitNumber));
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
    EXPECT_EQ(dlg.GetListBox(res::kIdUnitList).GetCurSel(), 0);
    ExpectShown(first, 1);
    EXPECT_EQ(dlg.GetDlgItemText(1012), "7");
    EXPECT_EQ(dlg.GetDlgItemText(1023), "300");  // ranges are not enforced when showing
    EXPECT_EQ(dlg.GetDlgItemText(1210), "0");

    EXPECT_EQ(dlg.SelectUnit(1), 1);
    EXPECT_EQ(dlg.GetListBox(res::kIdUnitList).GetCurSel(), 1);  // the list follows a unit chosen by code
    EXPECT_EQ(dlg.GetComboBox(1019).GetLBText(dlg.GetComboBox(1019).GetCurSel()), "abc");
    // Only the list of the unknown code is left without a selection.
    EXPECT_EQ(dlg.GetComboBox(1055).GetCurSel(), -1);
    EXPECT_EQ(dlg.Record()[27], "error");
    for (int id : {1029, 1054, 1056, 1057, 1058}) EXPECT_GE(dlg.GetComboBox(id).GetCurSel(), 0) << id;
    EXPECT_EQ(dlg.IsDlgButtonChecked(1025), 1);
    EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitNumber), "2");
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(UnitDisplayTest, KeysAndClicksShowTheChosenUnitAfreshFromItsLine) {
    const std::string a = NormalUnitLine("A", 1), b = NormalUnitLine("B", 2), c = NormalUnitLine("C", 3);
    Open(kHeadings + a + "\r\n" + b + "\r\n; note\r\n" + c + "\r\n");
    ShownWindow();
    QListWidget* list = UnitList();
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(Window().CurrentListIndex(), 1);
    ExpectShown(b, 2);
    QTest::keyClick(list, Qt::Key_Down);
    ExpectShown(c, 4);  // the note line counts: unit number = line number - 2

    // An edit not applied is dropped when the same unit is clicked again.
    Type(res::kIdUnitName, "changed");
    Type(1023, "12");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    ExpectShown(c, 4);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    ExpectShown(a, 1);
    EXPECT_EQ(list->currentRow(), 0);
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
    EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitName), "Short");
    EXPECT_EQ(dlg.GetDlgItemText(1031), std::to_string(table::ParseDecimal(shortFields[33])));
    EXPECT_EQ(dlg.GetComboBox(1029).GetLBText(dlg.GetComboBox(1029).GetCurSel()),
              table::MovementClassName(shortFields[25]));
    // Fields 40 on: empty, 0, clear, unselected; none of them the full unit's.
    for (const form::FieldLayout& f : form::RecordLayout()) {
        if (f.field < 40) continue;
        switch (f.kind) {
        case FieldKind::Text: EXPECT_EQ(dlg.GetDlgItemText(f.controlId), "") << f.field; break;
        case FieldKind::Integer: EXPECT_EQ(dlg.GetDlgItemText(f.controlId), "0") << f.field; break;
        case FieldKind::Flag: EXPECT_EQ(dlg.IsDlgButtonChecked(f.controlId), 0) << f.field; break;
        default: EXPECT_EQ(dlg.GetComboBox(f.controlId).GetCurSel(), -1) << f.field; break;
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
    EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitName), "");
    EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitNumber), "");
    EXPECT_EQ(dlg.GetDlgItemText(1023), "0");
    for (const form::FieldLayout& f : form::RecordLayout()) {
        if (f.kind == FieldKind::Flag) {
            EXPECT_EQ(dlg.IsDlgButtonChecked(f.controlId), 0) << f.field;
        }
        if (f.kind == FieldKind::MovementClass || f.kind == FieldKind::TableValue) {
            EXPECT_EQ(dlg.GetComboBox(f.controlId).GetCurSel(), -1) << f.field;
        }
    }
    // No dialog of any kind: the scripted services fail the test on one.
    Apply();
    EXPECT_EQ(Text(), noUnits);

    // A unit list left without a selection empties the form the same way.
    Open(kHeadings + NormalUnitLine("A", 1) + "\r\n");
    EXPECT_EQ(dlg.SelectUnit(-1), 1);
    EXPECT_EQ(dlg.IsUnitShown(), 0);
    EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitName), "");
    Apply();
    EXPECT_EQ(Line(3), NormalUnitLine("A", 1));
}

}  // namespace
}  // namespace kelvor::test
