#include "platform/png_write.h"

#include <fcntl.h>
#include <png.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// libpng reports errors by long-jumping out of its calls: keep the message.
void onPngError(png_structp png, png_const_charp message) {
    *static_cast<std::string*>(png_get_error_ptr(png)) = message;
    png_longjmp(png, 1);
}

void onPngWarning(png_structp, png_const_charp) {}

// Everything libpng touches between setjmp and a long jump lives here, so no
// local variable's value is lost by the jump.
bool encode(std::FILE* file, int width, int height, const std::uint8_t* rgb, std::string& error) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &error, onPngError, onPngWarning);
    if (png == nullptr) {
        error = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    bool written = false;
    if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
        for (int y = height - 1; y >= 0; --y) png_write_row(png, rgb + static_cast<std::size_t>(y) * rowBytes);
        png_write_end(png, nullptr);
        written = true;
    } else if (info == nullptr) {
        error = "out of memory";
    }
    png_destroy_write_struct(&png, &info);
    return written;
}
}  // namespace

PngWrite writeNewPngRgb(const std::string& path, int width, int height,
                        const std::vector<std::uint8_t>& rgbBottomUp, std::string& error) {
    if (width <= 0 || height <= 0 ||
        rgbBottomUp.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        error = "no picture to write";
        return PngWrite::Failed;
    }
    // O_EXCL: a file of the same name, even one made a moment ago by another
    // program, is left as it is.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST) return PngWrite::NameTaken;
        error = std::strerror(errno);
        return PngWrite::Failed;
    }
    std::FILE* file = fdopen(fd, "wb");
    if (file == nullptr) {
        error = std::strerror(errno);
        close(fd);
        unlink(path.c_str());
        return PngWrite::Failed;
    }
    bool written = encode(file, width, height, rgbBottomUp.data(), error);
    // A full disk shows only when the buffered bytes go out.
    if (std::fflush(file) != 0 && written) {
        error = std::strerror(errno);
        written = false;
    }
    if (std::fclose(file) != 0 && written) {
        error = std::strerror(errno);
        written = false;
    }
    if (!written) {
        unlink(path.c_str());
        return PngWrite::Failed;
    }
    return PngWrite::Written;
}
