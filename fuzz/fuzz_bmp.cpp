// Feeds arbitrary bytes to the BMP parser, then runs everything of the
// texture conversion that needs no GL context: the target sizes, the palette
// expansion and the scaler's buffer size. (The GL scaler itself reads the
// context's pixel store modes, so it cannot run here.)
#include <cstddef>
#include <cstdint>

#include "gfx/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BmpFile file;
    const char* reason = nullptr;
    if (!parseBmp(data, size, file, &reason)) {
        if (!file.info.empty() || file.width != 0 || reason == nullptr) __builtin_trap();
        return 0;
    }

    // Every pixel row must lie inside the block: touching the last byte lets
    // the address sanitizer see a wrong offset.
    const std::size_t pixelBytes = bmpRowBytes(file.width, file.bitCount) * file.height;
    if (file.bitsOffset + pixelBytes > file.info.size() || file.bitsOffset < 40 + file.paletteEntries * 4)
        __builtin_trap();
    [[maybe_unused]] volatile std::uint8_t last = file.bits()[pixelBytes - 1];

    // The GL limit varies between drivers; take it from the input.
    const int glLimit = 1 << (data[size - 1] % 15);
    TextureImage image;
    const bool scale = planBmpTexture(file, glLimit, image);
    const int cap = glLimit < kBmpTextureCap ? (glLimit < 2 ? 2 : glLimit) : kBmpTextureCap;
    // Each side a power of two from 2 to the cap.
    for (const int side : {image.width, image.height})
        if (side < 2 || side > cap || (side & (side - 1)) != 0) __builtin_trap();
    if (!scale && (file.bitCount == 8 || image.width != file.width || image.height != file.height)) __builtin_trap();
    if (image.components != (file.bitCount == 32 ? 4 : 3)) __builtin_trap();
    if (file.bitCount == 8 && expandBmpPalette(file).size() != bmpRowBytes(file.width, 24) * file.height) __builtin_trap();
    if (scaledImageBytes(image.width, image.height, image.components, 4) < static_cast<std::size_t>(image.width) * image.height * image.components)
        __builtin_trap();
    return 0;
}
