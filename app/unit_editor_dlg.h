// The unit form: the program's one main window. It owns the document text,
// the unit on display, the form's members, the folder settings and every
// list of the form for the whole run.
#pragma once

#include <QImage>

#include <array>
#include <cstddef>
#include <string>

#include "app/framework/dialog.h"
#include "app/framework/paths.h"
#include "form/form_exchange.h"
#include "form/form_members.h"
#include "table/document.h"
#include "table/text_format.h"

namespace kelvor {

namespace unitfile {
struct UnitForm;
}

class CUnitEditorDlg : public fw::Dialog {
public:
    explicit CUnitEditorDlg(fw::Platform& platform, fw::Dialog* parent = nullptr);
    ~CUnitEditorDlg() override;

    // Commands of the menu and the buttons (the message map routes them).
    void OnFileOpen();
    void OnFileSaveAs();
    void OnApply();
    void OnJumpTransform();
    void OnJumpMi();
    void OnSearch();
    void OnExportUnit();
    void OnImportUnit();
    void OnSelchangeUnitList();

    // The document (table) operations.
    int OpenTable();
    int RebuildLists();
    int ReplaceLine(int lineNumber, const std::string& text);
    int SaveTableAs();

    // Showing a unit (the one way to show one) and taking the form back.
    int SelectUnit(int listIndex);
    void ShowRecord(const table::UnitRecord& rec);
    int CaptureRecord();

    // The reference buttons and the single-unit files.
    void JumpToUnitNumber(int unitNumber);
    int ExportUnitFile();
    int ImportUnitFile();

    // The picture panel: the flag sheet is read at each Open, the unit
    // picture each time a unit is shown or applied; drawing reads no file.
    int LoadFlagSheet();
    int LoadUnitPicture(int pictureNumber);
    int DrawPicturePanel();

    // Read access for tests and the other subsystems.
    const fw::Path& LastDir() const { return m_pathLastDir; }
    const fw::Path& UnitBitmapDir() const { return m_pathUnitBitmapDir; }
    const fw::Path& SystemBitmapDir() const { return m_pathSystemBitmapDir; }
    const fw::Path& CurrentFileName() const { return m_pathFileName; }
    int IsTableLoaded() const { return m_bTableLoaded; }
    const table::DocumentText& Document() const { return m_document; }
    int CurrentListIndex() const { return m_nCurrentIndex; }
    // 1 while the form shows a unit: commands that act on the shown unit do
    // nothing before one is shown, or once the form has been emptied.
    int IsUnitShown() const { return m_bUnitShown; }
    const table::UnitRecord& Record() const { return m_record; }

    // For tests: the unit record on display, as a display would leave it.
    void SetRecordForTests(const table::UnitRecord& record) {
        m_record = record;
        m_bUnitShown = 1;
    }

protected:
    int OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnSysCommand(unsigned id, long param) override;
    void OnPaint() override;
    int OnQueryDragIcon() override;

private:
    void MapMessages();
    void FillMovementClassLists();
    void EmptyForm();
    void StoreFolderSetting(const char* entry, fw::Path& member, const fw::Path& value);
    void JumpFromField(int field);
    unitfile::UnitForm UnitFileForm();
    int LoadPanelBitmap(const fw::Path& path, QImage& bitmap, int& loaded);

    // Members, in the order the window declares them.
    QImage m_bmpUnit;       // the last unit picture that loaded
    QImage m_bmpFlagSheet;  // the last flag sheet that loaded
    int m_bSheetLoaded = 0;
    fw::Path m_pathFileName;         // the file name the file dialogs offer
    std::string m_strLastSearch;
    int m_bUnitLoaded = 0;
    // The three folder settings, each ending in the path separator.
    fw::Path m_pathSystemBitmapDir;
    fw::Path m_pathUnitBitmapDir;
    fw::Path m_pathLastDir;
    std::size_t m_nLinePosition = 0;  // current line position in the document text
    int m_nCurrentIndex = 0;          // unit-list index of the unit on display
    table::UnitRecord m_record{};
    int m_bUnitShown = 0;             // the form shows the unit at the current list index
    int m_bTableLoaded = 0;           // the loaded flag
    table::DocumentText m_document;

    // The seventeen drop-down lists (by the field each shows) and the unit
    // list, bound by the exchange when the window initialises.
    form::FormLists m_lists;
    fw::ListBox* m_unitList = nullptr;

    // The form's members, by field number, and the unit number.
    form::FormMembers m_form;
};

}  // namespace kelvor
