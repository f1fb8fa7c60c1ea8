#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/framework/codec.h"
#include "tests/app/framework/test_windows.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

class Controls : public WindowTest {
protected:
    void SetUp() override { ASSERT_TRUE(window.Create()); }
    RecordingWindow window{platform};
};

TEST_F(Controls, ComboBoxAddNeverSelectsAndMinusOneEmptiesTheBox) {
    ComboBox& box = window.GetComboBox(kKind);
    auto* widget = static_cast<QComboBox*>(box.Widget());
    const std::string odd("\x85\x40x", 3);  // keeps its bytes though they do not decode
    EXPECT_EQ(box.AddString("ground"), 0);
    EXPECT_EQ(box.AddString(odd), 1);
    EXPECT_EQ(box.GetCurSel(), kErr);
    EXPECT_TRUE(widget->currentText().isEmpty());
    EXPECT_EQ(box.GetLBText(1), odd);
    EXPECT_EQ(box.GetLBText(2), "");

    EXPECT_EQ(box.SetCurSel(1), 1);
    EXPECT_EQ(window.GetDlgItemText(kKind), odd);
    EXPECT_EQ(box.SetCurSel(-1), kErr);
    EXPECT_EQ(box.GetCurSel(), kErr);
    EXPECT_TRUE(widget->currentText().isEmpty());
    EXPECT_EQ(box.SetCurSel(5), kErr);
    EXPECT_EQ(box.GetCurSel(), kErr);

    box.ResetContent();
    EXPECT_EQ(box.GetCount(), 0);
    box.AddString("again");
    EXPECT_EQ(box.GetCurSel(), kErr);
}

TEST_F(Controls, ComboBoxFindsWholeTextsIgnoringLetterCase) {
    ComboBox& box = window.GetComboBox(kKind);
    for (const char* item : {"abc", "\x82\x60\x82\x61",  // "ＡＢ"
                             "\x83\xB6mega",              // "Ωmega"
                             "\x83\x41",                  // "ア": trail byte 0x41 is 'A'
                             "x", "X"})
        box.AddString(item);
    EXPECT_EQ(box.FindStringExact(-1, "ABC"), 0);
    EXPECT_EQ(box.FindStringExact(-1, "ab"), kErr);              // whole texts only
    EXPECT_EQ(box.FindStringExact(-1, "\x82\x81\x82\x82"), 1);   // "ａｂ"
    EXPECT_EQ(box.FindStringExact(-1, "\x83\xD6MEGA"), 2);       // "ωMEGA"
    EXPECT_EQ(box.FindStringExact(-1, "\x83\x61"), kErr);        // a trail byte is no letter
    EXPECT_EQ(box.FindStringExact(-1, "x"), 4);
    EXPECT_EQ(box.FindStringExact(4, "x"), 5);                   // starts after indexStart
    EXPECT_EQ(box.FindStringExact(5, "x"), 4);                   // and wraps round
}

TEST_F(Controls, ListBoxItemsAndTheirData) {
    ListBox& list = window.GetListBox(kList);
    EXPECT_EQ(list.AddString("a"), 0);
    EXPECT_EQ(list.AddString("b"), 1);
    EXPECT_EQ(list.SetItemData(0, 7), 0);
    EXPECT_EQ(list.SetItemData(1, 0xFFFFFFFFu), 0);
    EXPECT_EQ(list.InsertString(1, "x"), 1);
    EXPECT_EQ(list.InsertString(-1, "z"), 3);
    EXPECT_EQ(list.InsertString(9, "no"), kErr);
    EXPECT_EQ(list.GetText(1), "x");
    EXPECT_EQ(list.GetItemData(0), 7);
    EXPECT_EQ(list.GetItemData(1), 0);              // a new item carries 0
    EXPECT_EQ(list.GetItemData(2), 0xFFFFFFFFll);   // the data moved with its item
    EXPECT_EQ(list.GetItemData(9), kErr);
    EXPECT_EQ(list.SetItemData(9, 1), kErr);
    EXPECT_EQ(list.DeleteString(0), 3);
    EXPECT_EQ(list.DeleteString(9), kErr);
    EXPECT_EQ(list.GetText(0), "x");
    EXPECT_EQ(list.GetText(9), "");
}

TEST_F(Controls, ListBoxNotifiesTheUsersSelectionChangesOnly) {
    ListBox& list = window.GetListBox(kList);
    for (const char* name : {"u0", "u1", "u2"}) list.AddString(name);
    EXPECT_EQ(list.GetCurSel(), kErr);
    EXPECT_EQ(list.SetCurSel(0), 0);
    list.InsertString(0, "new");
    list.DeleteString(0);
    EXPECT_EQ(list.SetCurSel(-1), kErr);
    EXPECT_EQ(list.GetCurSel(), kErr);
    EXPECT_TRUE(window.selChanges.empty());

    ShowActive(window);
    auto* widget = static_cast<QListWidget*>(list.Widget());
    const QPoint second = widget->visualItemRect(widget->item(1)).center();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, second);
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(window.selChanges, (std::vector<int>{1, 2}));
    // A click on the item already selected notifies too (once), and so
    // does a Ctrl+click there, which does not leave the list without one.
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(2)).center());
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      widget->visualItemRect(widget->item(2)).center());
    EXPECT_EQ(list.GetCurSel(), 2);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, second);
    list.ResetContent();
    EXPECT_EQ(window.selChanges, (std::vector<int>{1, 2, 2, 2, 1}));
}

TEST_F(Controls, AnEditHandsBackTheBytesItWasGivenUntilTheUserChangesThem) {
    Edit& edit = window.GetEdit(kName);
    auto* widget = static_cast<QLineEdit*>(edit.Widget());
    // Undecodable bytes, and the wave dash whose Unicode form depends on the codec.
    for (const std::string& bytes : {std::string("A\x85\x40\xFD", 4), std::string("1\x81\x60" "2")}) {
        window.SetDlgItemText(kName, bytes);
        EXPECT_EQ(window.GetDlgItemText(kName), bytes);
    }
    // The user types a wave dash in its other Unicode form: it is stored as the code page holds it.
    widget->setText(QStringLiteral("1") + QChar(0x301C) + QStringLiteral("3"));
    EXPECT_EQ(window.GetDlgItemText(kName), "1\x81\x60" "3");
    // Changed back to what was shown: the bytes given come back.
    window.SetDlgItemText(kName, std::string("A\x85\x40", 3));
    const QString shown = widget->text();
    widget->setText(QStringLiteral("changed"));
    widget->setText(shown);
    EXPECT_EQ(window.GetDlgItemText(kName), std::string("A\x85\x40", 3));
}

}  // namespace
}  // namespace kelvor::fw::testing
