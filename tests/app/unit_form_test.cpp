// The unit form as built at start-up: controls, keys, menus, settings, the
// About box and the integer exchange.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include <vector>

#include "app/default_folders.h"
#include "app/form/form_exchange.h"
#include "app/framework/dialog_units.h"
#include "app/framework/drawn_controls.h"
#include "app/framework/template_builder.h"
#include "res/control_ids.h"
#include "res/resources.h"
#include "tests/app/main_window_fixture.h"

namespace kelvor::test {
namespace {

std::string Sjis(const char* utf8) { return fw::Cp932FromUtf8(utf8); }

bool TakesFocus(const res::ControlTemplate& c) {
    return c.kind != res::ControlKind::Label && c.kind != res::ControlKind::GroupBox &&
           c.kind != res::ControlKind::Frame && c.kind != res::ControlKind::Icon;
}

using UnitFormTest = MainWindowTest;

TEST_F(UnitFormTest, EveryTemplateControlStandsAtItsPixelRectangleWithItsCaption) {
    CUnitEditorDlg& dlg = Window();
    const res::DialogTemplate* form = res::FindDialog(res::kIdUnitForm);
    ASSERT_NE(form, nullptr);
    const fw::BaseUnits base = fw::BaseUnitsOf(fw::DialogFont(form->fontFace, form->pointSize));
    int checked = 0;
    for (const res::ControlTemplate& c : form->controls) {
        if (c.id <= 0) continue;
        ASSERT_NE(dlg.Control(c.id), nullptr) << c.id;
        QWidget* widget = dlg.Control(c.id);
        const QRect want = fw::DialogRectToPixels(base, c.x, c.y, c.cx, c.cy);
        if (c.kind != res::ControlKind::ComboBox) {
            EXPECT_EQ(widget->geometry(), want) << c.id;
        } else {  // a drop-down's closed height is its own
            EXPECT_EQ(widget->geometry().topLeft(), want.topLeft()) << c.id;
        }
        if (c.kind == res::ControlKind::PushButton || c.kind == res::ControlKind::CheckBox) {
            EXPECT_EQ(ItemText(dlg, c.id), Sjis(c.text)) << c.id;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 201);  // every control with an id
    EXPECT_EQ(fw::FromCp932(ItemText(dlg, res::kIdCancel)), QString::fromUtf8("ｷｬﾝｾﾙ"));
    EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("Halvane ユニットエディタ[*]"));
}

TEST_F(UnitFormTest, TabOrderFollowsTheTemplateAndStaticsTakeNoFocus) {
    CUnitEditorDlg& dlg = Window();
    std::vector<int> expected;
    for (const res::ControlTemplate& c : res::FindDialog(res::kIdUnitForm)->controls)
        if (TakesFocus(c) && c.id != res::kIdOk && c.id != res::kIdUnitNumber) expected.push_back(c.id);

    // The read-only number box and the hidden OK button are in the chain but
    // are skipped by Tab; walk the chain of focusable widgets.
    QWidget* first = dlg.Control(res::kIdUnitList);
    std::vector<int> seen;
    QWidget* w = first;
    do {
        for (int id : expected)
            if (dlg.Control(id) == w) seen.push_back(id);
        w = w->nextInFocusChain();
    } while (w != first && seen.size() < expected.size() + 5);
    EXPECT_EQ(seen, expected);

    for (const res::ControlTemplate& c : res::FindDialog(res::kIdUnitForm)->controls) {
        if (!TakesFocus(c) && c.id > 0) {
            EXPECT_EQ(dlg.Control(c.id)->focusPolicy(), Qt::NoFocus) << c.id;
        }
    }
}

TEST_F(UnitFormTest, EnterRunsNothingAndEscapeClosesTheWindow) {
    CUnitEditorDlg& dlg = ShownWindow();
    for (int id : {res::kIdUnitName, 1025, res::kIdUnitList}) {
        dlg.Control(id)->setFocus();
        QTest::keyClick(dlg.Control(id), Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible()) << id;
    }
    EXPECT_FALSE(dlg.Control(res::kIdOk)->isVisible());
    EXPECT_FALSE(dlg.Control(res::kIdOk)->isEnabled());
    QTest::keyClick(dlg.Control(res::kIdUnitName), Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
}

// Escape leaves a menu, then the menu bar, then closes the window, also after
// a second menu was opened with its Alt key once Escape closed the first.
TEST_F(UnitFormTest, EscapeLeavesTheMenusThenTheMenuBarThenClosesTheWindow) {
    CUnitEditorDlg& dlg = ShownWindow();
    for (const Qt::Key key : {Qt::Key_F, Qt::Key_Escape, Qt::Key_E, Qt::Key_Escape, Qt::Key_Escape, Qt::Key_Escape}) {
        EXPECT_TRUE(dlg.isVisible());
        QWidget* popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : QApplication::focusWidget(), key, key == Qt::Key_Escape ? Qt::NoModifier : Qt::AltModifier);
        QTest::qWait(20);  // the menu bar hands the focus back once its key is done
    }
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(UnitFormTest, CancelTheWindowMenuAndTheCloseBoxCloseTheWindowAtOnce) {
    CUnitEditorDlg& dlg = ShownWindow();
    Click(dlg, res::kIdCancel);
    EXPECT_FALSE(dlg.isVisible());

    ShownWindow();
    const QList<QAction*> entries = dlg.WindowMenu()->actions();
    ASSERT_GE(entries.size(), 2);
    EXPECT_EQ(entries[1]->text(), QString::fromUtf8("閉じる(&C)"));
    entries[1]->trigger();
    EXPECT_FALSE(dlg.isVisible());

    // What the window manager's close box sends.
    ShownWindow();
    EXPECT_TRUE(dlg.close());
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(UnitFormTest, StartsWithEmptyFormAndTheMovementClassListsFilled) {
    CUnitEditorDlg& dlg = Window();
    EXPECT_EQ(ItemText(dlg, res::kIdUnitNumber), "0");
    EXPECT_EQ(ItemText(dlg, 1023), "0");
    EXPECT_EQ(ItemText(dlg, res::kIdUnitName), "");
    EXPECT_EQ(IsChecked(dlg, 1025), 0);
    for (int id : {1029, 1054, 1055, 1056, 1057, 1058}) {
        fw::ByteList& list = List(dlg, id);
        ASSERT_EQ(list.count(), 9) << id;
        EXPECT_EQ(list.bytesAt(0), Sjis("なし"));
        EXPECT_EQ(list.bytesAt(2), "VTOL");
        EXPECT_EQ(list.bytesAt(8), Sjis("ホバー"));
        EXPECT_EQ(list.currentIndex(), -1);
    }
    for (int id : {1018, 1071, 1131}) EXPECT_EQ(List(dlg, id).count(), 0) << id;
    EXPECT_EQ(Units(dlg).GetCount(), 0);
    EXPECT_FALSE(dlg.IsTableLoaded());
    EXPECT_TRUE(modal_.Messages().empty());
}

TEST_F(UnitFormTest, FreshProfileGivesTheDefaultFolders) {
    CUnitEditorDlg& dlg = Window();
    const DefaultFolders defaults = GetDefaultFolders();
    EXPECT_EQ(dlg.LastDir(), defaults.game);
    EXPECT_EQ(dlg.SystemBitmapDir(), defaults.systemBitmaps);
    EXPECT_EQ(dlg.UnitBitmapDir(), defaults.unitBitmaps);
    EXPECT_EQ(dlg.CurrentFileName(), "weapon.dat");
    EXPECT_NE(defaults.game.native().find(fw::Path("Tellmark Game").native()), fw::Path::string_type::npos);
    EXPECT_EQ(defaults.game.native().back(), fw::Path::preferred_separator);
    // Reading is not writing: a fresh profile stays empty.
    EXPECT_EQ(StoredSetting("LastDir"), "<unset>");
}

TEST_F(UnitFormTest, StoredFoldersAreReadAtStart) {
    StoreSettingBeforeStart("LastDir", "/games/halvane/");
    StoreSettingBeforeStart("UnitBitmapDir", "/games/halvane/unit/");
    StoreSettingBeforeStart("SystemBitmapDir", "/games/halvane/bmp/");
    CUnitEditorDlg& dlg = Window();
    EXPECT_EQ(dlg.LastDir(), "/games/halvane/");
    EXPECT_EQ(dlg.UnitBitmapDir(), "/games/halvane/unit/");
    EXPECT_EQ(dlg.SystemBitmapDir(), "/games/halvane/bmp/");
    // The first Open dialog starts there, offering weapon.dat.
    modal_.CancelFileDialog();
    Trigger(dlg, menu::kOpen);
    ASSERT_EQ(modal_.FileDialogs().size(), 1u);
    EXPECT_EQ(modal_.FileDialogs()[0].request.initialFolder, "/games/halvane/");
    EXPECT_EQ(modal_.FileDialogs()[0].request.fileName, "weapon.dat");
}

TEST_F(UnitFormTest, WindowMenuAboutEntryShowsTheAboutBox) {
    CUnitEditorDlg& dlg = Window();
    QMenu* menu = dlg.WindowMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    QAction* about = actions.back();
    EXPECT_EQ(about->text(), QString::fromUtf8("Kelvor のﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    // The same box from the window menu and from ヘルプ.
    for (QAction* entry : {about, FindAction(dlg.menuBar()->actions(), QString::fromUtf8(menu::kAbout))}) {
        ASSERT_NE(entry, nullptr);
        modal_.AnswerBox([&](QDialog& box) {
            EXPECT_EQ(box.windowTitle(), QString::fromUtf8("Kelvorのﾊﾞｰｼﾞｮﾝ情報"));
            EXPECT_EQ(box.parentWidget(), &dlg);
            ScriptedModalServices::Press(box, res::kIdOk);
        });
        entry->trigger();
    }
    ASSERT_EQ(modal_.Boxes().size(), 2u);
}

TEST_F(UnitFormTest, MenuBarHasTheFileEditViewAndHelpMenusWithShortcutsAndMnemonics) {
    CUnitEditorDlg& dlg = Window();
    const QList<QAction*> top = dlg.menuBar()->actions();
    ASSERT_EQ(top.size(), 4);
    EXPECT_EQ(top[0]->text(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(top[1]->text(), QString::fromUtf8("編集(&E)"));
    EXPECT_EQ(top[2]->text(), QString::fromUtf8("表示(&V)"));
    EXPECT_EQ(top[3]->text(), QString::fromUtf8("ヘルプ(&H)"));
    QAction* batch = FindAction(top, QString::fromUtf8("一括読み込み(&B)..."));
    ASSERT_NE(batch, nullptr);
    EXPECT_FALSE(batch->isEnabled());
    const std::pair<const char*, const char*> entries[] = {
        {"開く(&O)...", "Ctrl+O"},          {"上書き保存(&W)", "Ctrl+S"},
        {"名前を付けて保存(&S)...", "Ctrl+Shift+S"}, {"最近使ったファイル(&R)", ""},
        {menu::kImportUnit, "Ctrl+I"},      {menu::kExportUnit, "Ctrl+E"},
        {"検索(&S)...", "Ctrl+F"},          {"次を検索(&N)", "F3"}};
    for (const auto& [entry, keys] : entries) {
        QAction* action = FindAction(top, QString::fromUtf8(entry));
        ASSERT_NE(action, nullptr) << entry;
        EXPECT_TRUE(action->isEnabled()) << entry;
        EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(keys)) << entry;
    }
    // Every entry has a mnemonic, none twice in one menu; the single-unit
    // entries end the File menu.
    for (QAction* menu : top) {
        QSet<QChar> used;
        for (QAction* entry : menu->menu()->actions()) {
            if (entry->isSeparator()) continue;
            const qsizetype at = entry->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(at, 0) << entry->text().toStdString();
            EXPECT_FALSE(used.contains(entry->text()[at + 1].toUpper())) << entry->text().toStdString();
            used.insert(entry->text()[at + 1].toUpper());
        }
    }
    EXPECT_EQ(top[0]->menu()->actions().back()->text(), QString::fromUtf8(menu::kExportUnit));
}

// Every control says what it is; the unit list tells units apart by number
// and line.
TEST_F(UnitFormTest, ControlsAndUnitsSayWhatTheyAre) {
    CUnitEditorDlg& dlg = Window();
    const std::pair<int, const char*> hints[] = {{1023, "耐久 (フィールド 8): 1〜255"},
                                                 {1054, "Movement class 2 (フィールド 26)"},
                                                 {1075, "補給 / ？ Supply ability 4 (フィールド 42)"}};
    for (const auto& [id, hint] : hints) EXPECT_EQ(dlg.Control(id)->toolTip(), QString::fromUtf8(hint)) << id;
    for (const form::FieldLayout& f : form::RecordLayout())
        if (f.controlId && dlg.Control(f.controlId)) EXPECT_FALSE(dlg.Control(f.controlId)->toolTip().isEmpty()) << f.field;
}

// Every value a number box takes shows whole, however many digits its
// range allows: a box that showed "719" for 1719 would be read wrong.
TEST_F(UnitFormTest, EveryValueInRangeShowsWholeInItsBox) {
    CUnitEditorDlg& dlg = ShownWindow();
    for (const form::FieldLayout& f : form::RecordLayout()) {
        auto* box = dynamic_cast<fw::NumberEdit*>(dlg.Control(f.controlId));
        if (!box || !f.hasRange) continue;
        for (const int value : {f.min, f.max}) {
            TypeInto(dlg, f.controlId, std::to_string(value));
            EXPECT_TRUE(box->ValueFits()) << f.field << ": " << value;
        }
    }
}

// A value wider than its box even drawn narrower keeps the dialog's font
// and scrolls; while it does not fit, the tooltip ends with the whole value.
TEST_F(UnitFormTest, LongNumbersKeepTheFontScrollAndShowWholeInTheTooltip) {
    CUnitEditorDlg& dlg = ShownWindow();
    auto* price = qobject_cast<QLineEdit*>(dlg.Control(1027));
    ASSERT_NE(price, nullptr);
    const QFont font = price->font();
    TypeInto(dlg, 1027, "1234567890");
    EXPECT_EQ(price->font(), font);
    EXPECT_GT(price->fontMetrics().horizontalAdvance(price->text()), price->contentsRect().width() - 4);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), price->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(price, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("価格 (フィールド 24): 0〜1000000\n1234567890"));
    TypeInto(dlg, 1027, "12");
    QApplication::sendEvent(price, &help);
    EXPECT_EQ(QToolTip::text(), QString::fromUtf8("価格 (フィールド 24): 0〜1000000"));
}

TEST_F(UnitFormTest, CommandsThatNeedATableDoNothingBeforeOne) {
    CUnitEditorDlg& dlg = Window();
    // No dialog of any kind is expected: the scripted services fail the test
    // if one appears.
    for (const char* entry : {menu::kSaveAs, menu::kSearch, menu::kExportUnit, menu::kImportUnit})
        Trigger(dlg, entry);
    for (int button : {res::kIdApply, res::kIdJumpTransform, res::kIdJumpMi}) Click(dlg, button);
    EXPECT_EQ(dlg.SelectUnit(0), 0);
}

TEST_F(UnitFormTest, RefusedIntegerShowsThePromptAndPutsTheFocusInTheBox) {
    CUnitEditorDlg& dlg = ShownWindow();
    TypeInto(dlg, res::kIdUnitName, "A");  // a unit name is needed
    TypeInto(dlg, 1022, "10");  // formation and durability must be 1 or more
    TypeInto(dlg, 1023, "abc");
    form::FormMembers members;
    modal_.AcceptMessage(Sjis("耐久: 整数を入力してください。"), fw::kIconExclamation);
    EXPECT_FALSE(form::TakeMembers(dlg.Widgets(), members, modal_, &dlg));
    auto* edit = qobject_cast<QLineEdit*>(dlg.Control(1023));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("abc"));

    TypeInto(dlg, 1023, "300");  // outside 1 to 255
    modal_.AcceptMessage(Sjis("耐久: 1 から 255 までの整数を入力してください。"), fw::kIconExclamation);
    EXPECT_FALSE(form::TakeMembers(dlg.Widgets(), members, modal_, &dlg));
    TypeInto(dlg, 1023, " 255 ");
    EXPECT_TRUE(form::TakeMembers(dlg.Widgets(), members, modal_, &dlg));
    EXPECT_EQ(members.number[8], 255);
}

}  // namespace
}  // namespace kelvor::test
