#include "desktop/theme_icon.h"

#include <cstddef>

namespace kelvor::desktop {

std::vector<std::uint32_t> DrawThemeIcon(const res::IconTemplate& icon, int size) {
    const res::IconImage* best = nullptr;
    int bestScale = 0;
    for (const res::IconImage& image : icon.images) {
        if (image.width <= 0 || image.width != image.height ||
            image.pixels.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.width))
            continue;
        const int scale = size / image.width;
        if (scale == 0) continue;
        const int covered = scale * image.width;
        const int bestCovered = best ? bestScale * best->width : 0;
        if (covered > bestCovered || (covered == bestCovered && image.width > best->width)) {
            best = &image;
            bestScale = scale;
        }
    }
    if (!best) return {};

    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
    const int offset = (size - bestScale * best->width) / 2;
    for (int y = 0; y < size; ++y) {
        const int sourceY = (y - offset) / bestScale;
        if (y < offset || sourceY >= best->height) continue;
        for (int x = 0; x < size; ++x) {
            const int sourceX = (x - offset) / bestScale;
            if (x < offset || sourceX >= best->width) continue;
            pixels[static_cast<std::size_t>(y) * size + x] =
                best->pixels[static_cast<std::size_t>(sourceY) * best->width + sourceX];
        }
    }
    return pixels;
}

}  // namespace kelvor::desktop
