#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>

#include "gfx/bmp_reader.h"

static_assert(kBmpFormatBgr == GL_BGR_EXT && kBmpFormatBgra == GL_BGRA_EXT);

namespace {

// Bitmap rows and the scaler's rows are padded to 4 bytes; the pixel store
// alignment must say so while they are scaled and uploaded.
constexpr GLint kBmpRowAlignment = 4;

// Sets the pack and unpack alignment for its lifetime and restores the old values.
class RowAlignment {
public:
    RowAlignment()
    {
        glGetIntegerv(GL_PACK_ALIGNMENT, &savedPack);
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &savedUnpack);
        glPixelStorei(GL_PACK_ALIGNMENT, kBmpRowAlignment);
        glPixelStorei(GL_UNPACK_ALIGNMENT, kBmpRowAlignment);
    }
    ~RowAlignment()
    {
        glPixelStorei(GL_PACK_ALIGNMENT, savedPack);
        glPixelStorei(GL_UNPACK_ALIGNMENT, savedUnpack);
    }
    RowAlignment(const RowAlignment&) = delete;
    RowAlignment& operator=(const RowAlignment&) = delete;

private:
    GLint savedPack = kBmpRowAlignment;
    GLint savedUnpack = kBmpRowAlignment;
};

} // namespace

bool convertBmpForTexture(const BmpFile& file, TextureImage& out, int maxTextureSize)
{
    if (!planBmpTexture(file, maxTextureSize, out))
        return false;

    std::vector<std::uint8_t> expanded;
    const std::uint8_t* source = file.bits();
    if (file.bitCount == 8) {
        expanded = expandBmpPalette(file);
        source = expanded.data();
    }

    const RowAlignment alignment;
    out.pixels.assign(scaledImageBytes(out.width, out.height, out.components, kBmpRowAlignment), 0);
    // The scaler does not care about component order, only about the count.
    const GLenum scaleFormat = out.components == 4 ? GL_BGRA_EXT : GL_RGB;
    const GLint result = gluScaleImage(scaleFormat, file.width, file.height, GL_UNSIGNED_BYTE, source,
                                       out.width, out.height, GL_UNSIGNED_BYTE, out.pixels.data());
    if (result != 0)
        out.pixels.clear();
    return true;
}

void loadBmpTexture(const char* fileName)
{
    BmpFile file;
    if (!loadBmpFile(fileName, file))
        return;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    GLint maxTextureSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
    TextureImage image;
    const bool scaled = convertBmpForTexture(file, image, maxTextureSize);
    if (scaled && image.pixels.empty()) {
        std::fprintf(stderr, "%s: the bitmap could not be scaled to %d x %d\n", fileName,
                     image.width, image.height);
        return;
    }
    const std::uint8_t* pixels = scaled ? image.pixels.data() : file.bits();
    // Only level 0: bitmap textures have no mipmaps, matching their linear minification.
    const RowAlignment alignment;
    glTexImage2D(GL_TEXTURE_2D, 0, image.components, image.width, image.height, 0, image.format,
                 GL_UNSIGNED_BYTE, pixels);
}
