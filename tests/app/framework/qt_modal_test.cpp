#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QLocale>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "app/framework/codec.h"
#include "app/framework/modal.h"
#include "app/framework/name_filters.h"
#include "app/framework/language.h"
#include "tests/app/framework/file_helpers.h"
#include "tests/app/framework/window_fixture.h"

namespace kelvor::fw::testing {
namespace {

TEST(FileDialog, FiltersBecomeQtNameFilters) {
    // "*.*" is every file, those without a dot in their name too.
    EXPECT_EQ(NameFilters(QString::fromUtf8("ﾃﾞｰﾀﾌｧｲﾙ (*.dat)|*.dat|全てのﾌｧｲﾙ (*.*)|*.*||")),
              (QStringList{QString::fromUtf8("ﾃﾞｰﾀﾌｧｲﾙ (*.dat)"), QString::fromUtf8("全てのﾌｧｲﾙ (*)")}));
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
    EXPECT_EQ(real.MessageBox(Cp932FromUtf8("ファイルのオープンに失敗しました"), kIconStop, nullptr), 1);
    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_EQ(text, QString::fromUtf8("ファイルのオープンに失敗しました"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
}

// Qt's own texts come in Japanese, whatever the system's language.
TEST(QtTexts, FileDialogsTheReplaceQuestionAndEditMenusSpeakJapanese) {
    ASSERT_TRUE(UseLanguage(Language::Japanese));
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);

    QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text().toStdString(), "はい(&Y)");
    EXPECT_EQ(question.button(QMessageBox::No)->text().toStdString(), "いいえ(&N)");

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_TRUE(buttons);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text().toStdString(), "開く(&O)");
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text().toStdString(), "キャンセル");
    auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_TRUE(lookIn);
    EXPECT_EQ(lookIn->text().toStdString(), "アドレス:");

    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_EQ(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0).toStdString(), "元に戻す(&U)");
}

}  // namespace
}  // namespace kelvor::fw::testing
