// The unit form's picture panel: the flag sheet and the unit picture read
// from the game's bitmap folders into bitmaps held for the run, and the
// panel drawn from what is held into the picture frame.
#include <QSize>
#include <QStatusBar>

#include <filesystem>

#include "app/framework/codec.h"
#include "app/framework/image_frame.h"
#include "app/framework/language.h"
#include "app/panel/panel_images.h"
#include "app/unit_editor_dlg.h"
#include "panel/bitmap_check.h"
#include "panel/bitmap_problem_text.h"
#include "panel/panel_geometry.h"

namespace kelvor {

namespace {

// The folder setting followed directly by the file name, as the game names
// its bitmaps: the settings end in a separator, and none is added.
fw::Path InFolder(const fw::Path& folder, const std::string& fileName) {
    fw::Path path = folder;
    path += fileName;
    return path;
}

}  // namespace

int CUnitEditorDlg::LoadFlagSheet() {
    const int loaded = LoadPanelBitmap(InFolder(m_pathSystemBitmapDir, panel::kFlagSheetFileName), m_bmpFlagSheet,
                                       m_bSheetLoaded, m_sheetProblem);
    ShowPanelProblems();
    return loaded;
}

int CUnitEditorDlg::LoadUnitPicture(int pictureNumber) {
    const int loaded = LoadPanelBitmap(InFolder(m_pathUnitBitmapDir, panel::UnitPictureFileName(pictureNumber)),
                                       m_bmpUnit, m_bUnitLoaded, m_pictureProblem);
    ShowPanelProblems();
    return loaded;
}

void CUnitEditorDlg::ShowPanelProblems() {
    QString text = m_sheetProblem ? m_sheetProblem() : QString();
    if (!text.isEmpty() && m_pictureProblem) text += QStringLiteral("  ");
    if (m_pictureProblem) text += m_pictureProblem();
    if (text.isEmpty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(text);
}

// A file that cannot be read or is no usable bitmap leaves the bitmap held
// before in place, undrawn, and `problem` names it and says why. A file
// that is not there is no problem: a unit may have no picture.
int CUnitEditorDlg::LoadPanelBitmap(const fw::Path& path, QImage& bitmap, bool& loaded, PanelProblem& problem) {
    std::string file, error;
    problem = nullptr;
    const bool read = m_platform.files.ReadWholeFile(
        path,
        [&file](std::size_t size) -> char* {
            if (size > panel::kMaxBitmapFileBytes) return nullptr;
            file.resize(size);
            return file.data();
        },
        &error);
    panel::BitmapProblem refused;
    QImage decoded = read ? panel::DecodeBitmap(file, &refused) : QImage();
    loaded = !decoded.isNull();
    std::error_code ec;
    if (!read && std::filesystem::exists(std::filesystem::symlink_status(path, ec)))
        problem = [name = fw::FromPath(path), why = fw::FromCp932(error)] { return tr("%1 を読めません: %2").arg(name, why); };
    else if (read && !loaded)
        problem = [name = fw::FromPath(path), refused] {
            return tr("%1 は表示できる画像ではありません: %2")
                .arg(name, QString::fromStdString(panel::BitmapProblemText(refused, fw::LanguageInUse())));
        };
    if (loaded) bitmap = std::move(decoded);
    return loaded ? 1 : 0;
}

// Black with the shown unit's picture and flag; black alone while no unit
// is shown (before a table is opened, or a table without units).
int CUnitEditorDlg::DrawPicturePanel() {
    fw::ImageFrame* frame = m_widgets.picture;
    if (!frame) return 0;
    frame->setImage(panel::DrawPanel(frame->clientPixels(), m_bUnitShown && m_bUnitLoaded ? &m_bmpUnit : nullptr,
                                     m_bUnitShown && m_bSheetLoaded ? &m_bmpFlagSheet : nullptr,
                                     m_record[panel::kFlagField]));
    return 1;
}

}  // namespace kelvor
