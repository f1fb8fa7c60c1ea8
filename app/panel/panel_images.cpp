#include "app/panel/panel_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPainter>
#include <QRect>

#include "panel/bitmap_check.h"
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

QImage DecodeBitmap(std::string_view file) {
    BitmapSize checked;
    if (!CheckBitmapFile(file, &checked)) return {};

    QByteArray bytes = QByteArray::fromRawData(file.data(), static_cast<qsizetype>(file.size()));
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    // The decoder allocates what its header reading says; that must be the
    // size the check accepted.
    const QSize size(checked.width, checked.height);
    if (reader.size() != size) return {};
    QImage image = reader.read();
    if (image.isNull() || image.size() != size) return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DrawPanel(QSize size, const QImage* unitPicture, const QImage* flagSheet, std::string_view flagField) {
    QImage surface(size, QImage::Format_RGB32);
    if (surface.isNull()) return surface;
    surface.fill(QColor(0, 0, 0));
    QPainter painter(&surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (unitPicture && !unitPicture->isNull())
        CopyPixels(painter, *unitPicture,
                   PlaceUnitPicture(unitPicture->width(), unitPicture->height(), size.width(), size.height()));
    if (flagSheet && !flagSheet->isNull()) CopyPixels(painter, *flagSheet, PlaceFlag(flagField));
    return surface;
}

}  // namespace kelvor::panel
