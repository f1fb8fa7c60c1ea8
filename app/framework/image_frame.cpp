#include "app/framework/image_frame.h"

#include <QPainter>

namespace kelvor::fw {

QSize ImageFrame::clientPixels() const {
    const QSizeF pixels = QSizeF(contentsRect().size()) * devicePixelRatioF();
    return {qRound(pixels.width()), qRound(pixels.height())};
}

void ImageFrame::setImage(const QImage& image) {
    image_ = image;
    // Its pixels are device pixels: painted at this ratio, none is scaled.
    image_.setDevicePixelRatio(devicePixelRatioF());
    update();
}

void ImageFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (image_.isNull()) return;
    QPainter painter(this);
    painter.setClipRect(contentsRect());
    painter.drawImage(contentsRect().topLeft(), image_);
}

}  // namespace kelvor::fw
