// Feeds arbitrary bytes to the PPM parser and checks that it either yields a
// consistent image or an empty one with a reason.
#include <cstddef>
#include <cstdint>

#include "gfx/ppm_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PpmImage image;
    const char* reason = nullptr;
    if (image.parse(data, size, &reason)) {
        const bool sane = image.width >= 1 && image.height >= 1 && image.width <= PpmImage::kMaxDimension &&
                          image.height <= PpmImage::kMaxDimension && image.pixels.size() <= size &&
                          image.pixels.size() == static_cast<std::size_t>(image.width) * image.height * 3;
        if (!sane) __builtin_trap();
    } else if (!image.empty() || image.width != 0 || image.height != 0 || reason == nullptr) {
        __builtin_trap();
    }
    return 0;
}
