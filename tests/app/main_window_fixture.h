// A unit form on the offscreen platform with a temporary profile, scripted
// modal services and the real file service, for window tests.
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/framework/byte_controls.h"
#include "app/framework/choice_list_view.h"
#include "app/framework/codec.h"
#include "app/framework/files.h"
#include "app/framework/paths.h"
#include "app/framework/profile.h"
#include "app/form/field_hints.h"
#include "app/unit_editor_dlg.h"
#include "form/record_layout.h"
#include "tests/support/scripted_modal.h"

namespace kelvor::test {

// The menu entries, by their text.
namespace menu {
inline constexpr const char* kOpen = "開く(&O)...";
inline constexpr const char* kSaveAs = "名前を付けて保存(&S)...";
inline constexpr const char* kImportUnit = "単体データの読み込み(&I)...";
inline constexpr const char* kExportUnit = "単体データの書き出し(&E)...";
inline constexpr const char* kSearch = "検索(&S)...";
inline constexpr const char* kAbout = "バージョン情報(&A)...";
}  // namespace menu

// A refusal of the box `id`: the field's caption (or name) first.
inline std::string Refusal(int id, const char* utf8) {
    return fw::ToCp932(form::FieldTitle(*form::FieldOfControl(id)) + QStringLiteral(": ")) + fw::Cp932FromUtf8(utf8);
}

// The box of a file that could not be opened: the file and why.
inline std::string OpenFailedText(const fw::Path& path, const char* why) {
    return fw::Cp932FromUtf8("ファイルのオープンに失敗しました\n") + fw::PathForDisplay(path) + "\n" + fw::Cp932FromUtf8(why);
}

inline QAction* FindAction(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions) {
        if (action->text() == text) return action;
        if (QMenu* sub = action->menu())
            if (QAction* found = FindAction(sub->actions(), text)) return found;
    }
    return nullptr;
}

// Chooses the menu entry `utf8` of the window's menu bar.
inline void Trigger(CUnitEditorDlg& dlg, const char* utf8) {
    QAction* action = FindAction(dlg.menuBar()->actions(), QString::fromUtf8(utf8));
    ASSERT_NE(action, nullptr) << utf8;
    action->trigger();
}

// Clicks button `id` of the form as the user would.
inline void Click(CUnitEditorDlg& dlg, int id) {
    auto* button = qobject_cast<QAbstractButton*>(dlg.Control(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

// What control `id` holds, code page 932: an edit's bytes, a button's
// caption, a drop-down list's selected item.
inline std::string ItemText(const CUnitEditorDlg& dlg, int id) {
    QWidget* w = dlg.Control(id);
    if (auto* edit = dynamic_cast<fw::ByteEdit*>(w)) return edit->bytes();
    if (auto* list = dynamic_cast<fw::ByteList*>(w)) return list->bytesAt(list->currentIndex());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return fw::ToCp932(button->text());
    return {};
}

// Types the text of `bytes` over the whole of edit `id`, as the user would.
inline void TypeInto(const CUnitEditorDlg& dlg, int id, const std::string& bytes) {
    auto* edit = dynamic_cast<fw::ByteEdit*>(dlg.Control(id));
    ASSERT_NE(edit, nullptr) << id;
    edit->selectAll();
    edit->insert(fw::FromCp932(bytes));
}

inline bool IsChecked(const CUnitEditorDlg& dlg, int id) {
    auto* box = qobject_cast<QAbstractButton*>(dlg.Control(id));
    return box && box->isChecked();
}

inline fw::ByteList& List(const CUnitEditorDlg& dlg, int id) {
    auto* list = dynamic_cast<fw::ByteList*>(dlg.Control(id));
    EXPECT_NE(list, nullptr) << id;
    static fw::ByteList none;
    return list ? *list : none;
}

// The unit list as the user sees it: its rows' names (code page 932),
// their line numbers and the selected row.
struct UnitListProbe {
    const CUnitEditorDlg& dlg;
    int GetCount() const { return dlg.Widgets().unitList->model()->rowCount(); }
    std::string GetText(int row) const {
        return fw::ToCp932(dlg.Widgets().unitList->model()->index(row, 0).data().toString());
    }
    int GetItemData(int row) const {
        return dlg.Widgets().unitList->model()->index(row, 0).data(Qt::UserRole).toInt();
    }
    int GetCurSel() const { return dlg.Widgets().unitList->selectedRow(); }
    void SetCurSel(int row) const { dlg.Widgets().unitList->selectRow(row); }
};
inline UnitListProbe Units(const CUnitEditorDlg& dlg) { return {dlg}; }

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        profilePath_ = fw::ToPath(dir_.filePath(QStringLiteral("profile/Kelvor.conf")));
    }

    void TearDown() override {
        dlg_.reset();
        modal_.VerifyAllUsed();
    }

    // Creates the window (template built, initialisation run).
    CUnitEditorDlg& Window() {
        if (!dlg_) {
            profile_ = std::make_unique<fw::SettingsProfile>(fw::IniFilePath{profilePath_});
            platform_ = std::make_unique<fw::Platform>(fw::Platform{modal_, *profile_, *files_});
            dlg_ = std::make_unique<CUnitEditorDlg>(*platform_);
        }
        return *dlg_;
    }

    // Shows the window and waits until it has the focus.
    CUnitEditorDlg& ShownWindow() {
        CUnitEditorDlg& dlg = Window();
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dlg));
        return dlg;
    }

    // A folder setting as another run of the program would read it.
    fw::Path StoredSetting(const char* entry) {
        fw::SettingsProfile fresh(fw::IniFilePath{profilePath_});
        return fresh.GetProfilePath("InitData", entry, "<unset>");
    }

    void StoreSettingBeforeStart(const char* entry, const fw::Path& value) {
        fw::SettingsProfile fresh(fw::IniFilePath{profilePath_});
        fresh.WriteProfilePath("InitData", entry, value);
    }

    // A path inside the test's temporary folder (`relative` is UTF-8).
    fw::Path TempPath(const char* relative) const { return fw::ToPath(dir_.filePath(QString::fromUtf8(relative))); }
    // A folder inside it, ending in the separator; the folder itself for "".
    fw::Path TempFolder(const char* relative = "") const {
        return fw::Subfolder(fw::ToPath(dir_.path()), fw::ToPath(QString::fromUtf8(relative)));
    }

    // Replaces the file service (before Window() is first called).
    void UseFiles(std::unique_ptr<fw::FileService> files) { files_ = std::move(files); }

    QTemporaryDir dir_;
    fw::Path profilePath_;
    ScriptedModalServices modal_;
    std::unique_ptr<fw::FileService> files_ = std::make_unique<fw::FileService>();
    std::unique_ptr<fw::SettingsProfile> profile_;
    std::unique_ptr<fw::Platform> platform_;
    std::unique_ptr<CUnitEditorDlg> dlg_;
};

}  // namespace kelvor::test
