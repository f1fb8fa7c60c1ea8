// Tables opened from outside File › Open: the recent tables, files dropped
// on the window and a single-unit file named before any table is open.
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/framework/codec.h"
#include "res/control_ids.h"
#include "tests/app/framework/file_helpers.h"
#include "tests/app/main_window_fixture.h"
#include "tools/demo_table.h"

namespace kelvor::test {
namespace {

using fw::testing::Put;

std::string Sjis(const char* utf8) { return fw::Cp932FromUtf8(utf8); }

class OpenCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const char* name : {"a/weapon.dat", "b/weapon.dat"}) {
            QDir(fw::FromPath(TempFolder())).mkpath(QString::fromUtf8(name).section(QLatin1Char('/'), 0, 0));
            Put(TempPath(name), demo::DemoGameTable());
        }
    }
    QStringList RecentEntries() {
        emit Window().RecentMenu()->aboutToShow();
        QStringList texts;
        for (QAction* entry : Window().RecentMenu()->actions()) texts << entry->text();
        return texts;
    }
    // Drops `file` on the widget as a file manager does.
    static bool Drop(QWidget* on, const fw::Path& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(fw::FromPath(file))});
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(on, &drop);
        return drop.isAccepted();
    }
    QString Entry(int n, const char* table) { return QStringLiteral("&%1 ").arg(n) + fw::FromPath(TempPath(table)); }
};

TEST_F(OpenCommandsTest, RecentTablesAreListedNewestFirstKeptAndMissingOnesSaidAndRemoved) {
    EXPECT_EQ(RecentEntries(), QStringList{QString::fromUtf8("(なし)")});
    for (const char* table : {"a/weapon.dat", "b/weapon.dat", "a/weapon.dat"}) {
        modal_.ChooseFile(TempPath(table));
        Trigger(Window(), menu::kOpen);
    }
    EXPECT_EQ(RecentEntries(), (QStringList{Entry(1, "a/weapon.dat"), Entry(2, "b/weapon.dat")}));

    // Kept for the next run; a table gone since is said so, and removed when chosen.
    dlg_.reset();
    ASSERT_TRUE(QFile::remove(fw::FromPath(TempPath("b/weapon.dat"))));
    EXPECT_EQ(RecentEntries(),
              (QStringList{Entry(1, "a/weapon.dat"), Entry(2, "b/weapon.dat") + QString::fromUtf8(" (見つかりません)")}));
    modal_.AcceptMessage(fw::PathForDisplay(TempPath("b/weapon.dat")) +
                             fw::Cp932FromUtf8("\nこのファイルは見つかりません。最近使ったファイルから削除しました。"),
                         fw::kIconStop);
    Window().RecentMenu()->actions()[1]->trigger();
    EXPECT_EQ(RecentEntries(), QStringList{Entry(1, "a/weapon.dat")});

    // Chosen, it opens the table as File › Open does.
    Window().RecentMenu()->actions()[0]->trigger();
    EXPECT_EQ(Window().TablePath(), TempPath("a/weapon.dat"));
    EXPECT_EQ(Units(Window()).GetCount(), Window().Units().Count());
    // Each unit's entry tells its number and line, for units of one name.
    const QModelIndex first = Window().Widgets().unitList->model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::ToolTipRole).toString(),
              first.data().toString() + QString::fromUtf8("\nユニット 1 (行 3)"));
}

// A drop over a text box opens the table (after the question about unsaved
// work) and leaves the box's text alone; a dropped .kmv is imported.
TEST_F(OpenCommandsTest, DroppedFilesOpenOrImportWhereverTheyLand) {
    CUnitEditorDlg& dlg = ShownWindow();
    QWidget* name = dlg.Control(res::kIdUnitName);
    ASSERT_TRUE(Drop(name, TempPath("a/weapon.dat")));
    EXPECT_EQ(dlg.TablePath(), TempPath("a/weapon.dat"));

    // Unit 1 (line 3) renamed, as a single-unit file.
    const std::string table = demo::DemoGameTable();
    std::size_t at = 0;
    for (int line = 0; line < 3; ++line) at = table.find('\n', at) + 1;
    const std::string line3 = table.substr(at, table.find("\r\n", at) - at);
    Put(TempPath("b/unit.kmv"), "3,Dropped" + line3.substr(line3.find(',')));
    ASSERT_TRUE(Drop(dlg.Control(res::kIdUnitList), TempPath("b/unit.kmv")));
    EXPECT_EQ(ItemText(dlg, res::kIdUnitName), "Dropped");
    EXPECT_TRUE(dlg.isWindowModified());

    modal_.Answer(Sjis("変更を保存しますか?"), 2);  // キャンセル: the table stays
    ASSERT_TRUE(Drop(name, TempPath("b/weapon.dat")));
    EXPECT_EQ(dlg.TablePath(), TempPath("a/weapon.dat"));
    EXPECT_EQ(ItemText(dlg, res::kIdUnitName), "Dropped");
}

// A single-unit file named with no table open asks for the table first.
TEST_F(OpenCommandsTest, AUnitFileWithoutATableAsksForOneOrIsRefused) {
    Put(TempPath("b/unit.kmv"), "3,x");
    modal_.CancelFileDialog();
    modal_.AcceptMessage(Sjis("単体データを読み込む表が開かれていません。"), fw::kIconStop);
    Window().OpenFromOutside(TempPath("b/unit.kmv"));
    EXPECT_FALSE(Window().IsTableLoaded());

    modal_.ChooseFile(TempPath("a/weapon.dat"));
    modal_.AcceptMessage();  // the file holds no whole unit: refused with its reason
    Window().OpenFromOutside(TempPath("b/unit.kmv"));
    EXPECT_EQ(Window().TablePath(), TempPath("a/weapon.dat"));
    EXPECT_FALSE(Window().isWindowModified());
}

}  // namespace
}  // namespace kelvor::test
