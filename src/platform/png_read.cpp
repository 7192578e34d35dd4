#include "platform/png_read.h"

#include <png.h>

RgbaImage readPngRgba(const std::string& path, int maxSide) {
    // libpng's simplified reader: no long jumps, and every format comes out as RGBA.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    const int width = static_cast<int>(image.width);
    const int height = static_cast<int>(image.height);
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide) {
        png_image_free(&image);
        return {};
    }
    image.format = PNG_FORMAT_RGBA;
    RgbaImage result;
    result.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, result.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    result.width = width;
    result.height = height;
    return result;
}
