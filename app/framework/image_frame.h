// A frame that shows an image inside its border from the top left, one
// image pixel to one device pixel, on every paint until another is set.
#pragma once

#include <QFrame>
#include <QImage>

namespace kelvor::fw {

class ImageFrame : public QFrame {
public:
    using QFrame::QFrame;
    // The size in device pixels of the area inside the border.
    QSize clientPixels() const;
    // A null image shows nothing.
    void setImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace kelvor::fw
