// The picture panel's bitmaps and drawing, on QImage (Qt Gui, no widgets):
// bitmap files decoded into pictures held for the run, and the panel drawn
// from what is held into an image of the panel's own size.
#pragma once

#include <QImage>
#include <QSize>

#include <string_view>

#include "panel/bitmap_check.h"

namespace kelvor::panel {

// The picture in the bytes of a Windows bitmap file as DecodeBitmapFile
// decodes it, 32 bits a pixel with no transparency; a null image when the
// file fails CheckBitmapFile, and then `problem` (when given) says why.
QImage DecodeBitmap(std::string_view file, BitmapProblem* problem = nullptr);

// The panel of `size` pixels: its background (black), the unit picture (when given) centred
// or cropped, and the flag sheet's cell for `flagField` (when a sheet is
// given) at (4, 4). Pixels are copied as they are: no scaling, filtering or
// blending. A cell reaching past a small sheet copies only what the sheet has.
QImage DrawPanel(QSize size, const QImage* unitPicture, const QImage* flagSheet, std::string_view flagField);

}  // namespace kelvor::panel
