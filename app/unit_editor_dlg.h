// The unit form: the program's one main window. It owns the document text
// and its unit index, the unit on display, the form's members, the folder
// settings and every list of the form for the whole run. Its menus are
// actions; its client area is built from the form's template.
#pragma once

#include <QImage>
#include <QMainWindow>

#include <functional>
#include <string>

#include "app/form/form_widgets.h"
#include "app/framework/language.h"
#include "app/framework/paths.h"
#include "app/framework/platform.h"
#include "app/framework/template_builder.h"
#include "app/recent_tables.h"
#include "form/form_members.h"
#include "table/document.h"
#include "table/file_identity.h"
#include "table/text_format.h"
#include "table/unit_index.h"

class QAction;
class QFileSystemWatcher;
class QMenu;
class QUndoStack;

namespace kelvor {

namespace form {
class UnitListModel;
}
namespace unitfile {
struct UnitForm;
}

class CUnitEditorDlg : public QMainWindow {
    Q_OBJECT
public:
    explicit CUnitEditorDlg(fw::Platform& platform, QWidget* parent = nullptr);
    ~CUnitEditorDlg() override;

    // Commands of the menus and the buttons.
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnUndo();
    void OnRedo();
    void OnApply();
    void OnJumpTransform();
    void OnJumpMi();
    void OnSearch();
    void OnSearchAgain();
    void OnExportUnit();
    void OnImportUnit();
    void OnAbout();
    void OnSelchangeUnitList(int row);
    // 表示 › 言語: the language kept in the profile and used at once.
    void OnChooseLanguage(fw::Language language);

    // The language kept in the profile, or else the system's.
    static fw::Language ChosenLanguage(fw::Profile& profile);

    // The document (table) operations.
    int OpenTable();
    // Opens a table, or imports a single-unit file (.kmv) into the open
    // table, named from outside the window: the command line, a drop, the
    // recent tables. Asks first what would otherwise be lost.
    void OpenFromOutside(const fw::Path& path);
    int RebuildLists();
    int ReplaceLine(int lineNumber, const std::string& text);
    int SaveTable();
    int SaveTableAs();
    // Reads the table at `path` as the open one (File › Open, and opening it
    // again after another program changed it).
    int LoadTable(const fw::Path& path);
    // Another program changed the open table's file: said, and with nothing
    // unsaved, offered to be opened again.
    void OnTableChangedOnDisk();
    // Puts exactly `bytes` in place of a line and its line end, renews the
    // unit's list entry and shows it (undo and redo).
    void PutLine(int lineNumber, const std::string& bytes);
    // Puts `bytes` (with their line end) in place of a line as one step of
    // the history named `step`: -1 when it could not, 0 when the line was
    // already so (no step), 1 for a step.
    int ReplaceLineAsStep(const QString& step, int lineNumber, const std::string& bytes);

    // Before the table or the shown unit is left: edits not applied are
    // applied or dropped as the user says, and a table with changes not
    // saved is saved or left. False when the user stays (キャンセル, or a
    // refused Apply or a failed save).
    bool MayLeaveUnit(int jumpField = -1);
    bool MayLeaveTable();

    // Showing a unit (the one way to show one) and taking the form back.
    int SelectUnit(int row);
    // SelectUnit for another unit the user asked for, after MayLeaveUnit.
    int ShowOtherUnit(int row, int jumpField = -1);
    void ShowRecord(const table::UnitRecord& rec);
    // The boxes in `changed` taken back into the members, and the record
    // rebuilt from them.
    int CaptureRecord(const form::FieldSet& changed);
    // Apply of the shown unit; false when it was refused.
    bool ApplyShown();

    // The reference buttons and the single-unit files.
    // Shows unit `unitNumber`; the box of `jumpField` (-1: none) named it.
    void JumpToUnitNumber(int unitNumber, int jumpField = -1);
    int ExportUnitFile();
    int ImportUnitFile();
    int ImportUnitFileAt(const fw::Path& path);

    // The picture panel: the flag sheet is read at each Open, the unit
    // picture each time a unit is shown or applied; drawing reads no file.
    int LoadFlagSheet();
    int LoadUnitPicture(int pictureNumber);
    int DrawPicturePanel();

    // Read access for tests and the other subsystems.
    const fw::Path& LastDir() const { return m_pathLastDir; }
    const fw::Path& UnitFileDir() const { return m_pathUnitFileDir; }
    QMenu* RecentMenu() const { return m_recentMenu; }
    const fw::Path& UnitBitmapDir() const { return m_pathUnitBitmapDir; }
    const fw::Path& SystemBitmapDir() const { return m_pathSystemBitmapDir; }
    const fw::Path& CurrentFileName() const { return m_pathFileName; }
    bool IsTableLoaded() const { return m_bTableLoaded; }
    const table::DocumentText& Document() const { return m_document; }
    const table::UnitIndex& Units() const { return m_units; }
    // The unit-index row on display (or last asked for).
    int CurrentListIndex() const { return m_nCurrentIndex; }
    // True while the form shows a unit: commands that act on the shown unit
    // do nothing before one is shown, or once the form has been emptied.
    bool IsUnitShown() const { return m_bUnitShown; }
    const table::UnitRecord& Record() const { return m_record; }
    const form::FormWidgets& Widgets() const { return m_widgets; }
    // The control `id` of the form's template (nullptr: none).
    QWidget* Control(int id) const;
    QMenu* WindowMenu() const { return m_windowMenu; }
    QUndoStack* UndoStack() const { return m_undo; }
    const fw::Path& TablePath() const { return m_pathTable; }

    // For tests: the unit record on display, as a display would leave it.
    void SetRecordForTests(const table::UnitRecord& record) {
        m_record = record;
        m_bUnitShown = true;
    }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildMenus();
    void AfterMenuBarKey();
    void BuildLanguageMenu(QMenu* menu);
    fw::FileDialogRequest TableDialog(bool open) const;
    int OpenTableAt(const fw::Path& path);
    void ShowOpenedTable();
    void FillRecentMenu();
    void OpenRecent(const fw::Path& table);
    void ConnectControls();
    void UpdateTitle();
    void EmptyForm();
    void StoreFolderSetting(const char* entry, fw::Path& member, const fw::Path& value);
    void JumpFromField(int field);
    unitfile::UnitForm UnitFileForm();
    using PanelProblem = std::function<QString()>;
    int LoadPanelBitmap(const fw::Path& path, QImage& bitmap, bool& loaded, PanelProblem& problem);
    void ShowPanelProblems();
    int SaveTableTo(const fw::Path& path);
    void RememberOnDisk();
    bool MayOverwriteOnDisk();
    void RememberShown();
    void RenameRow(int row, const std::string& name);
    void ReportSaveFailure(const fw::SaveError& failure);

    fw::Platform& m_platform;
    QImage m_bmpUnit;       // the last unit picture that loaded
    QImage m_bmpFlagSheet;  // the last flag sheet that loaded
    bool m_bSheetLoaded = false;
    // What the panel could not show and why, said in the language in use
    // (empty: nothing).
    PanelProblem m_sheetProblem, m_pictureProblem;
    fw::Path m_pathFileName;  // the file name the file dialogs offer
    fw::Path m_pathTable;     // the open table's file
    std::string m_strLastSearch;
    bool m_bUnitLoaded = false;
    // The three folder settings, each ending in the path separator.
    fw::Path m_pathSystemBitmapDir;
    fw::Path m_pathUnitBitmapDir;
    fw::Path m_pathLastDir;      // of the table dialogs: the open table's folder
    fw::Path m_pathUnitFileDir;  // of the single-unit file dialogs
    RecentTables m_recent;
    QMenu* m_recentMenu = nullptr;
    int m_nCurrentIndex = 0;  // unit-index row of the unit on display
    table::UnitRecord m_record{};
    // The shown unit's fields as its line stores them, and how many it has.
    table::UnitRecord m_stored{};
    int m_storedFields = 0;
    form::ShownState m_shown;
    bool m_bUnitShown = false;   // the form shows the unit at the current row
    bool m_bTableLoaded = false;
    table::DocumentText m_document;
    table::UnitIndex m_units;

    // The form's template controls, and its widgets by field.
    fw::TemplateControls m_controls;
    form::FormWidgets m_widgets;
    form::UnitListModel* m_unitModel = nullptr;
    QMenu* m_windowMenu = nullptr;
    QUndoStack* m_undo = nullptr;
    // The open table's file as last read or written, and as last said.
    table::FileIdentity m_onDisk;
    table::FileIdentity m_noticed;
    QFileSystemWatcher* m_watcher = nullptr;

    // The form's members, by field number, and the unit number.
    form::FormMembers m_form;
};

}  // namespace kelvor
