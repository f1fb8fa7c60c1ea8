// The unit form: the program's one main window. It owns the document text,
// the unit on display, the form's members, the folder settings and every
// list of the form for the whole run.
#pragma once

#include <QImage>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "app/framework/dialog.h"
#include "app/framework/paths.h"
#include "table/document.h"
#include "table/text_format.h"

namespace kelvor {

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

    // Showing a unit; filled in by its subsystem.
    int SelectUnit(int listIndex);

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

    // For tests: the unit record on display, as a display would leave it.
    void SetRecordForTests(const table::UnitRecord& record) { m_record = record; }

protected:
    int OnInitDialog() override;
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnSysCommand(unsigned id, long param) override;
    void OnPaint() override;
    int OnQueryDragIcon() override;

private:
    void MapMessages();
    void FillMovementClassLists();
    void StoreFolderSetting(const char* entry, fw::Path& member, const fw::Path& value);
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
    int m_bTableLoaded = 0;           // the loaded flag
    table::DocumentText m_document;

    // The seventeen drop-down lists and the unit list, bound when the window
    // initialises (in the exchange's order of control objects).
    std::array<fw::ComboBox*, 17> m_lists{};
    fw::ListBox* m_unitList = nullptr;

    // One member per exchanged value control, parallel to the exchange table.
    struct ExchangeMember {
        std::string text;
        int value = 0;
    };
    std::vector<ExchangeMember> m_members;
};

}  // namespace kelvor
