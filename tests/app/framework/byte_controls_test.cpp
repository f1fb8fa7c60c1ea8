// The controls that hold code page 932 text, and the unit list's choices.
#include <QWheelEvent>

#include "app/framework/byte_controls.h"
#include "app/framework/codec.h"
#include "tests/app/framework/test_windows.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

class Controls : public WindowTest {};

TEST_F(Controls, ADropDownListNeverSelectsOnAddAndMinusOneEmptiesIt) {
    ByteList box;
    const std::string odd("\x85\x40x", 3);  // keeps its bytes though they do not decode
    box.addBytes("ground");
    box.addBytes(odd);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_TRUE(box.currentText().isEmpty());
    EXPECT_EQ(box.bytesAt(1), odd);
    EXPECT_EQ(box.bytesAt(2), "");
    box.setCurrentIndex(-1);
    EXPECT_TRUE(box.currentText().isEmpty());
    box.clearItems();
    EXPECT_EQ(box.count(), 0);
    box.addBytes("again");
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST_F(Controls, ADropDownListFindsWholeTextsIgnoringLetterCase) {
    ByteList box;
    for (const char* item : {"abc", "\x82\x60\x82\x61",  // "ＡＢ"
                             "\x83\xB6mega",              // "Ωmega"
                             "\x83\x41",                  // "ア": trail byte 0x41 is 'A'
                             "x", "X"})
        box.addBytes(item);
    EXPECT_EQ(box.findBytes("ABC"), 0);
    EXPECT_EQ(box.findBytes("ab"), -1);                 // whole texts only
    EXPECT_EQ(box.findBytes("\x82\x81\x82\x82"), 1);    // "ａｂ"
    EXPECT_EQ(box.findBytes("\x83\xD6MEGA"), 2);        // "ωMEGA"
    EXPECT_EQ(box.findBytes("\x83\x61"), -1);           // a trail byte is no letter
    EXPECT_EQ(box.findBytes("X"), 4);                   // the first of equal items
}

TEST_F(Controls, TheWheelOverADropDownListTheUserIsNotInChangesNothing) {
    TemplateWindow window(kMainWindow);
    ShowActive(window);
    auto* list = FindControl<ByteList>(window.client, kKind);
    for (const char* item : {"a", "b", "c"}) list->addBytes(item);
    list->setCurrentIndex(0);
    const auto wheel = [list] {
        QWheelEvent event(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &event);
    };
    window.Item(kName)->setFocus();
    wheel();
    EXPECT_EQ(list->currentIndex(), 0);
    list->setFocus();
    wheel();
    EXPECT_EQ(list->currentIndex(), 1);
}

TEST_F(Controls, TheListSignalsTheUsersChoicesOnly) {
    TemplateWindow window(kMainWindow);
    auto* list = FindControl<ChoiceListView>(window.client, kList);
    ASSERT_NE(list, nullptr);
    list->selectRow(0);
    list->selectRow(-1);
    EXPECT_EQ(list->selectedRow(), -1);
    EXPECT_TRUE(window.chosen.empty());

    ShowActive(window);
    const auto centre = [list](int row) { return list->visualRect(list->model()->index(row, 0)).center(); };
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(1));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window.chosen, (std::vector<int>{1, 2}));
    // A click on the row already selected is a choice too (once), and so is
    // a Ctrl+click there, which does not leave the list without one.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, centre(2));
    EXPECT_EQ(list->selectedRow(), 2);
    // Below the last row nothing is chosen, and the selection stays.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 2));
    EXPECT_EQ(list->selectedRow(), 2);
    list->selectRow(0);
    EXPECT_EQ(window.chosen, (std::vector<int>{1, 2, 2, 2}));
}

TEST_F(Controls, AnEditHandsBackTheBytesItWasGivenUntilTheUserChangesThem) {
    ByteEdit edit;
    // Undecodable bytes, and the wave dash whose Unicode form depends on the codec.
    for (const std::string& bytes : {std::string("A\x85\x40\xFD", 4), std::string("1\x81\x60" "2")}) {
        edit.setBytes(bytes);
        EXPECT_EQ(edit.bytes(), bytes);
    }
    // The user types a wave dash in its other Unicode form: it is stored as the code page holds it.
    edit.setText(QStringLiteral("1") + QChar(0x301C) + QStringLiteral("3"));
    EXPECT_EQ(edit.bytes(), "1\x81\x60" "3");
    EXPECT_TRUE(edit.unstorableCharacters().empty());
    edit.setText(QStringLiteral("\U0001F600") + QChar(0xFEFF));
    EXPECT_EQ(edit.unstorableCharacters(), (std::vector<char32_t>{0x1F600, 0xFEFF}));
    // Changed back to what was shown: the bytes given come back.
    edit.setBytes(std::string("A\x85\x40", 3));
    const QString shown = edit.text();
    edit.setText(QStringLiteral("changed"));
    edit.setText(shown);
    EXPECT_EQ(edit.bytes(), std::string("A\x85\x40", 3));
}

}  // namespace
}  // namespace kelvor::fw::testing
