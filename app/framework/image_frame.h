// A frame that shows an image inside its border from the top left, on
// every paint until another is set. The image is in the frame's own pixels
// (its size at 100 %); at a higher device pixel ratio it is scaled up, by
// whole pixels at whole ratios and smoothly otherwise, so the frame looks
// the same at every scale.
#pragma once

#include <QFrame>
#include <QImage>

namespace kelvor::fw {

class ImageFrame : public QFrame {
public:
    using QFrame::QFrame;
    // The size of the area inside the border, in the frame's own pixels.
    QSize clientPixels() const;
    // A null image shows nothing.
    void setImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace kelvor::fw
