#include "app/panel/panel_images.h"

#include <QPainter>
#include <QRect>

#include <cstring>

#include "panel/bitmap_decode.h"
#include "panel/panel_geometry.h"

namespace kelvor::panel {

namespace {

void CopyPixels(QPainter& painter, const QImage& from, const Copy& copy) {
    const QRect wanted(copy.srcX, copy.srcY, copy.width, copy.height);
    const QRect source = wanted.intersected(from.rect());
    if (source.isEmpty()) return;
    const QPoint target(copy.dstX + source.x() - wanted.x(), copy.dstY + source.y() - wanted.y());
    painter.drawImage(target, from, source);
}

}  // namespace

QImage DecodeBitmap(std::string_view file, BitmapProblem* problem) {
    Bitmap picture;
    const BitmapCheck check = DecodeBitmapFile(file, picture);
    if (problem) *problem = check.problem;
    if (!check.ok()) return {};
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * sizeof(std::uint32_t);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), &picture.pixels[static_cast<std::size_t>(y) * picture.width], rowBytes);
    return image;
}

QImage DrawPanel(QSize size, const QImage* unitPicture, const QImage* flagSheet, std::string_view flagField) {
    QImage surface(size, QImage::Format_RGB32);
    if (surface.isNull()) return surface;
    surface.fill(QColor::fromRgb(kPanelBackground));
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (unitPicture && !unitPicture->isNull())
        CopyPixels(painter, *unitPicture,
                   PlaceUnitPicture(unitPicture->width(), unitPicture->height(), size.width(), size.height()));
    if (flagSheet && !flagSheet->isNull()) CopyPixels(painter, *flagSheet, PlaceFlag(flagField));
    return surface;
}

}  // namespace kelvor::panel
