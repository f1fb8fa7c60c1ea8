// The unit form as built at start-up: controls, keys, menus, settings, the
// About box and the integer exchange.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <vector>

#include "app/default_folders.h"
#include "app/framework/dialog_units.h"
#include "res/control_ids.h"
#include "res/resources.h"
#include "search/search_dlg.h"
#include "tests/app/main_window_fixture.h"

namespace kelvor::test {
namespace {

std::string Sjis(const char* utf8) { return fw::Cp932FromUtf8(utf8); }

bool TakesFocus(const res::ControlTemplate& c) {
    return c.kind != res::ControlKind::Label && c.kind != res::ControlKind::GroupBox &&
           c.kind != res::ControlKind::Frame && c.kind != res::ControlKind::Icon;
}

QAction* FindAction(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions) {
        if (action->text() == text) return action;
        if (QMenu* sub = action->menu())
            if (QAction* found = FindAction(sub->actions(), text)) return found;
    }
    return nullptr;
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
        ASSERT_TRUE(dlg.HasControl(c.id)) << c.id;
        QWidget* widget = dlg.GetDlgItem(c.id);
        const QRect want = fw::DialogRectToPixels(base, c.x, c.y, c.cx, c.cy);
        if (c.kind != res::ControlKind::ComboBox) {
            EXPECT_EQ(widget->geometry(), want) << c.id;
        } else {  // a drop-down's closed height is its own
            EXPECT_EQ(widget->geometry().topLeft(), want.topLeft()) << c.id;
        }
        if (c.kind == res::ControlKind::PushButton || c.kind == res::ControlKind::CheckBox) {
            EXPECT_EQ(dlg.GetDlgItemText(c.id), Sjis(c.text)) << c.id;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 201);  // every control with an id
    EXPECT_EQ(fw::FromCp932(dlg.GetDlgItemText(res::kIdCancel)), QString::fromUtf8("ｷｬﾝｾﾙ"));
    EXPECT_EQ(dlg.Window()->windowTitle(), QString::fromUtf8("Halvane ユニットエディタ"));
}

TEST_F(UnitFormTest, TabOrderFollowsTheTemplateAndStaticsTakeNoFocus) {
    CUnitEditorDlg& dlg = Window();
    std::vector<int> expected;
    for (const res::ControlTemplate& c : res::FindDialog(res::kIdUnitForm)->controls)
        if (TakesFocus(c) && c.id != res::kIdOk && c.id != res::kIdUnitNumber) expected.push_back(c.id);

    // The read-only number box and the hidden OK button are in the chain but
    // are skipped by Tab; walk the chain of focusable widgets.
    QWidget* first = dlg.GetDlgItem(res::kIdUnitList);
    std::vector<int> seen;
    QWidget* w = first;
    do {
        for (int id : expected)
            if (dlg.GetDlgItem(id) == w) seen.push_back(id);
        w = w->nextInFocusChain();
    } while (w != first && seen.size() < expected.size() + 5);
    EXPECT_EQ(seen, expected);

    for (const res::ControlTemplate& c : res::FindDialog(res::kIdUnitForm)->controls) {
        if (!TakesFocus(c) && c.id > 0) {
            EXPECT_EQ(dlg.GetDlgItem(c.id)->focusPolicy(), Qt::NoFocus) << c.id;
        }
    }
}

TEST_F(UnitFormTest, EnterRunsNothingAndEscapeClosesTheWindow) {
    CUnitEditorDlg& dlg = ShownWindow();
    for (int id : {res::kIdUnitName, 1025, res::kIdUnitList}) {
        dlg.GotoDlgCtrl(id);
        QTest::keyClick(dlg.GetDlgItem(id), Qt::Key_Return);
        EXPECT_FALSE(dlg.EndResult().has_value()) << id;
    }
    EXPECT_FALSE(dlg.GetDlgItem(res::kIdOk)->isVisible());
    EXPECT_FALSE(dlg.GetDlgItem(res::kIdOk)->isEnabled());
    QTest::keyClick(dlg.GetDlgItem(res::kIdUnitName), Qt::Key_Escape);
    EXPECT_EQ(dlg.EndResult(), 2);
}

TEST_F(UnitFormTest, CancelButtonClosesTheWindowAtOnce) {
    CUnitEditorDlg& dlg = Window();
    dlg.Window()->show();
    dlg.GetButton(res::kIdCancel).Click();
    EXPECT_EQ(dlg.EndResult(), 2);
}

TEST_F(UnitFormTest, StartsWithEmptyFormAndTheMovementClassListsFilled) {
    CUnitEditorDlg& dlg = Window();
    EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitNumber), "0");
    EXPECT_EQ(dlg.GetDlgItemText(1023), "0");
    EXPECT_EQ(dlg.GetDlgItemText(res::kIdUnitName), "");
    EXPECT_EQ(dlg.IsDlgButtonChecked(1025), 0);
    for (int id : {1029, 1054, 1055, 1056, 1057, 1058}) {
        fw::ComboBox& list = dlg.GetComboBox(id);
        ASSERT_EQ(list.GetCount(), 9) << id;
        EXPECT_EQ(list.GetLBText(0), Sjis("なし"));
        EXPECT_EQ(list.GetLBText(2), "VTOL");
        EXPECT_EQ(list.GetLBText(8), Sjis("ホバー"));
        EXPECT_EQ(list.GetCurSel(), -1);
    }
    for (int id : {1018, 1071, 1131}) EXPECT_EQ(dlg.GetComboBox(id).GetCount(), 0) << id;
    EXPECT_EQ(dlg.GetListBox(res::kIdUnitList).GetCount(), 0);
    EXPECT_EQ(dlg.IsTableLoaded(), 0);
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
    dlg.SendCommand(res::kCmdFileOpen);
    ASSERT_EQ(modal_.FileDialogs().size(), 1u);
    EXPECT_EQ(modal_.FileDialogs()[0].request.initialFolder, "/games/halvane/");
    EXPECT_EQ(modal_.FileDialogs()[0].request.fileName, "weapon.dat");
}

TEST_F(UnitFormTest, WindowMenuAboutEntryShowsTheAboutBox) {
    CUnitEditorDlg& dlg = Window();
    fw::SystemMenu* menu = dlg.GetSystemMenu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->Menu()->actions();
    ASSERT_GE(actions.size(), 2);
    EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
    QAction* about = actions.back();
    EXPECT_EQ(about->text(), QString::fromUtf8("Kelvor のﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    int shownTemplate = 0;
    modal_.AnswerBox([&](fw::Dialog& box) {
        shownTemplate = box.Template().id;
        EXPECT_EQ(box.Window()->windowTitle(), QString::fromUtf8("Kelvorのﾊﾞｰｼﾞｮﾝ情報"));
        ScriptedModalServices::Press(box, res::kIdOk);
    });
    about->trigger();
    EXPECT_EQ(shownTemplate, res::kIdAboutBox);
    EXPECT_FALSE(dlg.EndResult().has_value());  // the form stays open
}

TEST_F(UnitFormTest, MenuBarHasTheFileAndEditMenusWithBatchImportGrayed) {
    CUnitEditorDlg& dlg = Window();
    QMenuBar* bar = dlg.Window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QString::fromUtf8("ﾌｧｲﾙ(&F)"));
    EXPECT_EQ(top[1]->text(), QString::fromUtf8("編集(&E)"));
    QAction* batch = FindAction(top, QString::fromUtf8("一括読み込み..."));
    ASSERT_NE(batch, nullptr);
    EXPECT_FALSE(batch->isEnabled());
    for (const char* entry : {"開く(&O)...", "名前を付けて保存(&S)...", "単体データの読み込み...", "単体データの書き出し...",
                              "検索(&S)..."}) {
        QAction* action = FindAction(top, QString::fromUtf8(entry));
        ASSERT_NE(action, nullptr) << entry;
        EXPECT_TRUE(action->isEnabled()) << entry;
    }
}

TEST_F(UnitFormTest, CommandsThatNeedATableDoNothingBeforeOne) {
    CUnitEditorDlg& dlg = Window();
    // No dialog of any kind is expected: the scripted services fail the test
    // if one appears.
    for (int command : {res::kCmdFileSaveAs, res::kCmdSearch, res::kCmdExportUnit, res::kCmdImportUnit,
                        res::kIdApply, res::kIdJumpTransform, res::kIdJumpMi})
        dlg.SendCommand(command);
    EXPECT_EQ(dlg.SelectUnit(0), 0);
    EXPECT_FALSE(dlg.EndResult().has_value());
}

TEST_F(UnitFormTest, RefusedIntegerShowsThePromptAndPutsTheFocusInTheBox) {
    CUnitEditorDlg& dlg = ShownWindow();
    dlg.SetDlgItemText(res::kIdUnitName, "A");  // a unit name is needed
    dlg.SetDlgItemText(1022, "10");  // formation and durability must be 1 or more
    dlg.SetDlgItemText(1023, "abc");
    modal_.AcceptMessage(Sjis("整数を入力してください。"), fw::kIconExclamation);
    EXPECT_EQ(dlg.UpdateData(1), 0);
    auto* edit = qobject_cast<QLineEdit*>(dlg.GetDlgItem(1023));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("abc"));

    dlg.SetDlgItemText(1023, "300");  // outside 1 to 255
    modal_.AcceptMessage(Sjis("1 から 255 までの整数を入力してください。"), fw::kIconExclamation);
    EXPECT_EQ(dlg.UpdateData(1), 0);
    dlg.SetDlgItemText(1023, " 255 ");
    EXPECT_EQ(dlg.UpdateData(1), 1);
}

TEST_F(UnitFormTest, SearchBoxOffersItsTextAndTakesTheTypedOneOnOkOnly) {
    CUnitEditorDlg& dlg = Window();
    CSearchDlg search(*platform_, &dlg);
    search.m_strSearchText = Sjis("戦車");
    modal_.AnswerBox([](fw::Dialog& box) {
        EXPECT_EQ(box.Template().id, res::kIdSearchBox);
        EXPECT_EQ(box.GetDlgItemText(res::kIdSearchText), Sjis("戦車"));
        box.SetDlgItemText(res::kIdSearchText, Sjis("歩兵"));
        ScriptedModalServices::Press(box, res::kIdCancel);
    });
    EXPECT_EQ(search.DoModal(), 2);
    EXPECT_EQ(search.m_strSearchText, Sjis("戦車"));
    modal_.AnswerBox([](fw::Dialog& box) {
        box.SetDlgItemText(res::kIdSearchText, Sjis("歩兵"));
        ScriptedModalServices::Press(box, res::kIdOk);
    });
    EXPECT_EQ(search.DoModal(), 1);
    EXPECT_EQ(search.m_strSearchText, Sjis("歩兵"));
}

}  // namespace
}  // namespace kelvor::test
