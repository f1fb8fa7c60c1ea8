#include "app/framework/image_frame.h"

#include <cmath>

#include <QPainter>

namespace kelvor::fw {

QSize ImageFrame::clientPixels() const { return contentsRect().size(); }

void ImageFrame::setImage(const QImage& image) {
    const qreal ratio = devicePixelRatioF();
    if (image.isNull() || ratio == 1.0) {
        image_ = image;
    } else {
        const bool whole = ratio == std::floor(ratio);
        image_ = image.scaled((QSizeF(image.size()) * ratio).toSize(), Qt::IgnoreAspectRatio,
                              whole ? Qt::FastTransformation : Qt::SmoothTransformation);
    }
    image_.setDevicePixelRatio(ratio);
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
