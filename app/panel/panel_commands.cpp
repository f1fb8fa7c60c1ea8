// The unit form's picture panel: the flag sheet and the unit picture read
// from the game's bitmap folders into bitmaps held for the run, and the
// panel drawn from what is held into the picture frame.
#include <QSize>

#include "app/framework/image_frame.h"
#include "app/panel/panel_images.h"
#include "app/unit_editor_dlg.h"
#include "panel/bitmap_check.h"
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
    return LoadPanelBitmap(InFolder(m_pathSystemBitmapDir, panel::kFlagSheetFileName), m_bmpFlagSheet, m_bSheetLoaded);
}

int CUnitEditorDlg::LoadUnitPicture(int pictureNumber) {
    return LoadPanelBitmap(InFolder(m_pathUnitBitmapDir, panel::UnitPictureFileName(pictureNumber)), m_bmpUnit,
                           m_bUnitLoaded);
}

// A file that cannot be read or is no usable bitmap leaves the bitmap held
// before in place, undrawn; nothing is shown.
int CUnitEditorDlg::LoadPanelBitmap(const fw::Path& path, QImage& bitmap, bool& loaded) {
    std::string file;
    const bool read = m_platform.files.ReadWholeFile(
        path,
        [&file](std::size_t size) -> char* {
            if (size > panel::kMaxBitmapFileBytes) return nullptr;
            file.resize(size);
            return file.data();
        },
        nullptr);
    QImage decoded = read ? panel::DecodeBitmap(file) : QImage();
    loaded = !decoded.isNull();
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
