#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "app/framework/codec.h"
#include "app/framework/name_filters.h"
#include "tests/app/framework/file_helpers.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

TEST(FileDialog, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(NameFilters(QString::fromUtf8("ﾃﾞｰﾀﾌｧｲﾙ (*.dat)|*.dat|全てのﾌｧｲﾙ (*.*)|*.*||")),
              (QStringList{QString::fromUtf8("ﾃﾞｰﾀﾌｧｲﾙ (*.dat)"), QString::fromUtf8("全てのﾌｧｲﾙ (*.*)")}));
    EXPECT_EQ(NameFilters(QStringLiteral("Units|*.kmv;*.txt||")), QStringList{QStringLiteral("Units (*.kmv *.txt)")});
    EXPECT_TRUE(NameFilters(QString()).isEmpty());
}

TEST(FileDialog, TheRequestShapesTheDialogAndTheChoiceComesBackAsThePlatformsPath) {
    QTemporaryDir dir;
    // A name code page 932 cannot hold.
    const QString folder = dir.filePath(QString::fromUtf8("ゲーム/café"));
    ASSERT_TRUE(QDir().mkpath(folder));
    Put(folder + QStringLiteral("/weapon.dat"), "x");

    FileDialogRequest request;
    request.open = true;
    request.title = Cp932FromUtf8("兵器データファイルの選択");
    request.initialFolder = ToPath(folder);
    request.fileName = "weapon.dat";
    request.filter = Cp932FromUtf8("ﾃﾞｰﾀﾌｧｲﾙ (*.dat)|*.dat|全てのﾌｧｲﾙ (*.*)|*.*||");
    request.flags = kOfnHideReadOnly | kOfnOverwritePrompt;

    QString title, shownFolder;
    QStringList filters;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        title = dialog->windowTitle();
        shownFolder = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QtModalServices real;
    const FileDialogResult result = real.RunFileDialog(request, nullptr);
    EXPECT_EQ(title, QString::fromUtf8("兵器データファイルの選択"));
    EXPECT_EQ(shownFolder, folder);
    EXPECT_EQ(filters.size(), 2);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.path, ToPath(folder + QStringLiteral("/weapon.dat")));
    EXPECT_EQ(result.fileName, "weapon.dat");
}

TEST(MessageBox, IsTitledWithTheProgramsNameAndHasOneOkButton) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    QtModalServices real;
    EXPECT_EQ(real.MessageBox(Cp932FromUtf8("ファイルのオープンに失敗しました"), kIconStop, nullptr), kIdOk);
    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_EQ(text, QString::fromUtf8("ファイルのオープンに失敗しました"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace kelvor::fw::testing
