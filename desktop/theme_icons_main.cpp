// Writes the application icon as PNG files for the desktop's icon theme.
// Usage: kelvor_theme_icons OUTPUT_FOLDER NAME SIZE...
// Each size N becomes OUTPUT_FOLDER/NxN/apps/NAME.png.
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "desktop/theme_icon.h"
#include "res/resources.h"

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const kelvor::res::IconTemplate* icon = kelvor::res::FindIcon(kelvor::res::kIdAppIcon);
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        std::vector<std::uint32_t> pixels;
        if (icon && size > 0) pixels = kelvor::desktop::DrawThemeIcon(*icon, size);
        if (pixels.empty()) {
            std::fprintf(stderr, "cannot draw the icon at size %s\n", argv[i]);
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) image.setPixel(x, y, pixels[static_cast<std::size_t>(y) * size + x]);
        const QString side = QString::number(size);
        const QString dir = folder + u'/' + side + u'x' + side + QStringLiteral("/apps");
        const QString file = dir + u'/' + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
