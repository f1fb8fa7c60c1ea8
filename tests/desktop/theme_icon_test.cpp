#include "desktop/theme_icon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace kelvor::desktop {
namespace {

// The theme sizes a desktop asks for: the icon must stay a sharp picture
// (only the colours the icon is drawn in, no blends) that fills most of
// the square at each of them.
TEST(ThemeIcon, SharpAndFillingAtEveryThemeSize) {
    const res::IconTemplate& icon = *res::FindIcon(res::kIdAppIcon);
    std::set<std::uint32_t> drawn;
    for (const res::IconImage& image : icon.images) drawn.insert(image.pixels.begin(), image.pixels.end());

    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint32_t> pixels = DrawThemeIcon(icon, size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
        int left = size, right = -1, top = size, bottom = -1;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const std::uint32_t p = pixels[static_cast<std::size_t>(y * size + x)];
                ASSERT_TRUE(drawn.count(p)) << std::hex << p << " is a blend";
                if (p >> 24 == 0) continue;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        EXPECT_GE(right - left + 1, size * 3 / 5);
        EXPECT_GE(bottom - top + 1, size * 3 / 5);
    }
    EXPECT_TRUE(DrawThemeIcon(icon, 8).empty()) << "smaller than every map";
}

}  // namespace
}  // namespace kelvor::desktop
