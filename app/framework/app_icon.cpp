#include "app/framework/app_icon.h"

#include <QImage>

namespace kelvor::fw {

namespace {

QImage ImageOf(const res::IconImage& image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return {};
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            result.setPixel(x, y, image.pixels[static_cast<std::size_t>(y) * image.width + x]);
    return result;
}

}  // namespace

QIcon IconFromResource(int iconId) {
    QIcon icon;
    if (const res::IconTemplate* found = res::FindIcon(iconId))
        for (const res::IconImage& image : found->images) {
            const QImage converted = ImageOf(image);
            if (!converted.isNull()) icon.addPixmap(QPixmap::fromImage(converted));
        }
    return icon;
}

QPixmap IconPixmap(int iconId, int size) {
    if (const res::IconTemplate* found = res::FindIcon(iconId)) {
        for (const res::IconImage& image : found->images)
            if (image.width == size) return QPixmap::fromImage(ImageOf(image));
        if (!found->images.empty()) return QPixmap::fromImage(ImageOf(found->images.front())).scaled(size, size);
    }
    return {};
}

}  // namespace kelvor::fw
