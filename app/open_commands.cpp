// Opening tables: File › Open, the recent tables, a path given on the
// command line and files dropped on the window. Each asks first what would
// otherwise be lost; a single-unit file is imported into the open table.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include <filesystem>

#include "app/framework/codec.h"
#include "app/unit_editor_dlg.h"

namespace kelvor {

namespace {

bool IsUnitFile(const fw::Path& path) {
    std::string extension = path.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".kmv";
}

// The one local file a drag carries, or an empty path.
fw::Path DraggedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().front();
    return url.isLocalFile() ? fw::ToPath(url.toLocalFile()) : fw::Path();
}

}  // namespace

void CUnitEditorDlg::OnFileOpen() {
    if (!MayLeaveTable()) return;
    if (!OpenTable()) return;
    ShowOpenedTable();
}

int CUnitEditorDlg::OpenTable() {
    const fw::FileDialogResult chosen = m_platform.modal.RunFileDialog(TableDialog(true), this);
    if (!chosen.ok) return 0;
    return OpenTableAt(chosen.path);
}

// The folder is remembered before the file is read, so that the next
// dialog starts there even when this table could not be read.
int CUnitEditorDlg::OpenTableAt(const fw::Path& path) {
    fw::Platform& platform = m_platform;
    m_pathFileName = path.filename();
    StoreFolderSetting("LastDir", m_pathLastDir, fw::FolderOf(path));
    if (!LoadTable(path)) return 0;
    m_recent.Add(path);

    const fw::Path systemDir = fw::Subfolder(m_pathLastDir, "bmp");
    if (platform.files.CanOpenForReading(systemDir / "panel_btn.bmp"))
        StoreFolderSetting("SystemBitmapDir", m_pathSystemBitmapDir, systemDir);
    const fw::Path unitDir = fw::Subfolder(m_pathLastDir, "unit");
    if (platform.files.CanOpenForReading(unitDir / "101.bmp"))
        StoreFolderSetting("UnitBitmapDir", m_pathUnitBitmapDir, unitDir);
    return 1;
}

void CUnitEditorDlg::ShowOpenedTable() {
    LoadFlagSheet();
    RebuildLists();
    SelectUnit(0);
}

void CUnitEditorDlg::OpenFromOutside(const fw::Path& path) {
    if (!IsUnitFile(path)) {
        if (!MayLeaveTable() || !OpenTableAt(path)) return;
        ShowOpenedTable();
        return;
    }
    // A single-unit file goes into a table: without one open, the user is
    // asked for it first.
    if (!m_bTableLoaded) {
        if (OpenTable()) ShowOpenedTable();
        if (!m_bTableLoaded) {
            m_platform.modal.MessageBox(fw::ToCp932(tr("単体データを読み込む表が開かれていません。")), fw::kIconStop,
                                        this);
            return;
        }
    }
    ImportUnitFileAt(path);
}

void CUnitEditorDlg::FillRecentMenu() {
    m_recentMenu->clear();
    const std::vector<fw::Path> tables = m_recent.List();
    if (tables.empty()) m_recentMenu->addAction(tr("(なし)"))->setEnabled(false);
    for (std::size_t i = 0; i < tables.size(); ++i) {
        const fw::Path table = tables[i];
        std::error_code ec;
        QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(fw::FromPath(table));
        if (!std::filesystem::exists(table, ec)) text += tr(" (見つかりません)");
        connect(m_recentMenu->addAction(text), &QAction::triggered, this, [this, table] { OpenRecent(table); });
    }
}

void CUnitEditorDlg::OpenRecent(const fw::Path& table) {
    std::error_code ec;
    if (!std::filesystem::exists(table, ec)) {
        m_recent.Remove(table);
        m_platform.modal.MessageBox(
            fw::PathForDisplay(table) + fw::ToCp932(tr("\nこのファイルは見つかりません。最近使ったファイルから削除しました。")),
            fw::kIconStop, this);
        return;
    }
    OpenFromOutside(table);
}

// A file dragged from a file manager is taken by the window wherever it is
// dropped, also over a box that would take the file's name as text.
bool CUnitEditorDlg::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (DraggedFile(drag->mimeData()).empty()) break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const fw::Path file = DraggedFile(drop->mimeData());
        if (file.empty()) break;
        drop->acceptProposedAction();
        OpenFromOutside(file);
        return true;
    }
    case QEvent::KeyPress:
        if (watched == menuBar()) AfterMenuBarKey();
        break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kelvor
