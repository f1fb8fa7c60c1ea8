// Arbitrary files through the picture panel's bitmap check and decoding. The
// two give the same verdict; a file the check passes decodes to a picture
// of the size the check gave, 1 to 4096 pixels a side, every pixel opaque;
// a refused one says why and decodes to nothing. Any broken promise aborts,
// so the fuzzer reports it with its input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "panel/bitmap_check.h"
#include "panel/bitmap_decode.h"

namespace kelvor::panel {
namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace
}  // namespace kelvor::panel

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvor::panel;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    const BitmapCheck check = CheckBitmapFile(file);
    Bitmap picture;
    const BitmapCheck decoded = DecodeBitmapFile(file, picture);
    Check(decoded.problem == check.problem);
    if (!check.ok()) {
        Check(picture.width == 0 && picture.height == 0 && picture.pixels.empty());
        return 0;
    }
    const BitmapSize s = check.size;
    Check(s.width >= 1 && s.width <= kMaxBitmapSide && s.height >= 1 && s.height <= kMaxBitmapSide);
    Check(decoded.size.width == s.width && decoded.size.height == s.height);
    Check(picture.width == s.width && picture.height == s.height);
    Check(picture.pixels.size() == static_cast<std::size_t>(s.width) * static_cast<std::size_t>(s.height));
    for (std::uint32_t pixel : picture.pixels) Check(pixel >> 24 == 0xFF);
    return 0;
}
