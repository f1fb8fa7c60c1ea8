#include <QContextMenuEvent>
#include <QListWidget>
#include <QMenu>

#include "app/framework/codec.h"
#include "tests/app/framework/test_windows.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

class WindowMenu : public WindowTest {
protected:
    void SetUp() override { ShowActive(window); }
    QMenu* Menu() { return window.GetSystemMenu()->Menu(); }
    void RightClick(QWidget* on) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), on->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(on, &event);
    }
    RecordingWindow window{platform};
};

TEST_F(WindowMenu, AltSpaceOpensItAndAnAppendedEntryReachesOnSysCommand) {
    SystemMenu* menu = window.GetSystemMenu();
    ASSERT_TRUE(menu);
    menu->AppendSeparator();
    menu->AppendEntry(16, Cp932FromUtf8("Kelvor のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    window.GotoDlgCtrl(kName);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(Menu()->isVisible());
    QTest::keyClick(Menu(), Qt::Key_A);  // the entry's mnemonic
    EXPECT_FALSE(Menu()->isVisible());
    EXPECT_EQ(window.sysCommands, std::vector<unsigned>{16});
    EXPECT_FALSE(window.EndResult());
}

TEST_F(WindowMenu, TheStandardEntriesMinimiseAndClose) {
    const QList<QAction*> entries = Menu()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0]->text(), QString::fromUtf8("最小化(&N)"));
    entries[0]->trigger();
    EXPECT_TRUE(window.IsIconic());
    entries[1]->trigger();
    EXPECT_EQ(window.sysCommands, (std::vector<unsigned>{kScMinimize, kScClose}));
    EXPECT_EQ(window.EndResult(), kIdCancel);
}

TEST_F(WindowMenu, ARightClickOpensItOnTheBackgroundOnly) {
    RightClick(window.GetDlgItem(kApply));
    RightClick(static_cast<QListWidget*>(window.GetDlgItem(kList))->viewport());
    RightClick(window.GetDlgItem(kFlag));
    EXPECT_FALSE(Menu()->isVisible());
    RightClick(window.GetDlgItem(kPicture));  // the frame is background
    EXPECT_TRUE(Menu()->isVisible());
    Menu()->hide();
    RightClick(window.GetDlgItem(kName)->parentWidget());
    EXPECT_TRUE(Menu()->isVisible());
    Menu()->hide();
}

}  // namespace
}  // namespace kelvor::fw::testing
