// The window in English: no Japanese left in its own texts, every caption
// fits; the choice is kept; back in Japanese every text is its source again.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>

#include "app/about_dlg.h"
#include "app/search/search_dlg.h"
#include "res/control_ids.h"
#include "tests/app/framework/file_helpers.h"
#include "tests/app/main_window_fixture.h"
#include "tools/demo_table.h"

namespace kelvor::test {
namespace {

// Kana, CJK symbols and ideographs, full- and half-width forms.
void ExpectNoJapanese(const QString& text, const char* where) {
    EXPECT_FALSE(std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QChar(0x3000) && c <= QChar(0x30FF)) || (c >= QChar(0x4E00) && c <= QChar(0x9FFF)) || c >= QChar(0xFF00);
    })) << where << ": " << text.toStdString();
}

// Every text the window shows of its own, its title first, but the language entries
// (each in its own words); with checkFit, checks that each caption fits its control.
QStringList TextsOf(const QWidget& window, bool checkFit) {
    QStringList texts;
    for (const QAction* action : window.findChildren<QAction*>())
        if (!action->actionGroup() && !action->text().isEmpty()) texts << action->text();
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const auto* group = qobject_cast<QGroupBox*>(w);
        const QString text = label ? label->text() : button ? button->text() : group ? group->title() : QString();
        if (text.isEmpty()) continue;
        texts << text;
        // A check box's box is as large as the style wants, at most as high as the control.
        const QStyle* style = w->style();
        const int box = qobject_cast<QCheckBox*>(w) ? std::min(style->pixelMetric(QStyle::PM_IndicatorWidth), w->height()) +
                                                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                                    : group ? 8 : 0;
        const int needed = box + w->fontMetrics().horizontalAdvance(QString(text).remove(QLatin1Char('&')));
        EXPECT_TRUE(!checkFit || needed <= w->width()) << text.toStdString() << " needs " << needed << " pixels";
    }
    texts.sort();
    texts.prepend(window.windowTitle());
    return texts;
}

class EnglishFace : public MainWindowTest {
protected:
    // The language changed, and the menus of the last one gone.
    static void Settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Use(fw::Language language) {
        fw::UseLanguage(language);
        Settle();
    }
    QAction* Entry(const char* text) { return FindAction(Window().menuBar()->actions(), QString::fromUtf8(text)); }
};

TEST_F(EnglishFace, EveryTextOfTheWindowItsBoxesAndMessagesIsEnglishAndFits) {
    fw::testing::Put(TempPath("weapon.dat"), demo::DemoGameTable());
    modal_.ChooseFile(TempPath("weapon.dat"));
    Window().OnFileOpen();
    Use(fw::Language::Japanese);  // the menus built anew, the recent table in them
    const QStringList japanese = TextsOf(Window(), false);
    Use(fw::Language::English);
    for (const QString& text : TextsOf(Window(), true)) ExpectNoJapanese(text, "window");
    EXPECT_EQ(Window().windowTitle().toStdString(), "weapon.dat[*] - Halvane Unit Editor");
    EXPECT_EQ(Window().Control(1023)->toolTip().toStdString(), "Durability (field 8): 1–255");
    CAboutDlg about(nullptr);
    CSearchDlg search(nullptr);
    for (const QString& text : TextsOf(about, true) + TextsOf(search, true)) ExpectNoJapanese(text, "box");
    QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text().toStdString(), "&Yes");

    // The file dialog, a search finding nothing, a refused box, the question at close.
    modal_.CancelFileDialog();
    Window().OnFileOpen();
    const fw::FileDialogRequest& open = modal_.FileDialogs().at(1).request;
    EXPECT_EQ(open.title + open.filter, "Choose a Unit Data FileData files (*.dat)|*.dat|All files (*.*)|*.*||");
    modal_.AnswerBox([](QDialog& box) {
        fw::FindControl<fw::ByteEdit>(&box, res::kIdSearchText)->setBytes("zzz");
        ScriptedModalServices::Press(box, res::kIdOk);
    });
    modal_.AcceptMessage("The text was not found", fw::kIconInformation);
    Window().OnSearch();
    modal_.AcceptMessage("Durability: Enter an integer from 1 to 255.", fw::kIconExclamation);
    TypeInto(Window(), 1023, "0");
    Click(Window(), res::kIdApply);
    modal_.Answer(2);
    Window().close();
    const fw::Question& asked = modal_.Questions().at(0);
    for (const std::string& text : {asked.text, asked.buttons[0], asked.buttons[1], asked.buttons[2]})
        ExpectNoJapanese(fw::FromCp932(text), "question");

    // Back in Japanese, every text is the source again, Qt's own too.
    Use(fw::Language::Japanese);
    EXPECT_EQ(TextsOf(Window(), false), japanese);
    EXPECT_EQ(Window().Control(1023)->toolTip().toStdString(), "耐久 (フィールド 8): 1〜255");
    EXPECT_EQ(question.button(QMessageBox::Yes)->text().toStdString(), "はい(&Y)");
}

TEST_F(EnglishFace, TheLanguageChosenInTheWindowIsKeptInTheProfileAndUsedAtOnce) {
    for (const auto& [entry, file, code] : {std::tuple{"&English", "&File", "en"}, {"日本語(&J)", "ﾌｧｲﾙ(&F)", "ja"}}) {
        Entry(entry)->trigger();
        Settle();
        EXPECT_TRUE(Entry(file) && Entry(entry)->isChecked()) << entry;
        fw::SettingsProfile stored(fw::IniFilePath{profilePath_});
        EXPECT_EQ(fw::LanguageCode(CUnitEditorDlg::ChosenLanguage(stored)), std::string(code));
    }
}

TEST(SystemLanguage, EnglishForAnEnglishLocaleForMessagesElseJapanese) {
    // LC_ALL, LC_MESSAGES, LANG; the first set decides.
    for (const auto& [all, messages, lang, english] :
         {std::tuple{"", "", "en_US.UTF-8", true}, {"", "", "ja_JP.UTF-8", false}, {"", "", "C.UTF-8", false},
          {"", "en_GB.UTF-8", "ja_JP.UTF-8", true}, {"ja_JP.UTF-8", "", "en_US.UTF-8", false}}) {
        qputenv("LC_ALL", all), qputenv("LC_MESSAGES", messages), qputenv("LANG", lang);
        EXPECT_EQ(fw::SystemLanguage() == fw::Language::English, english) << all << messages << lang;
    }
}

}  // namespace
}  // namespace kelvor::test
