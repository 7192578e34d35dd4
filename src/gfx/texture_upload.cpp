#include "gfx/texture_upload.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "gfx/ppm_image.h"

unsigned makePpmTexture(const PpmImage& image, bool explicitRepeat)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    if (explicitRepeat) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    }
    if (image.empty())
        return name;
    // PPM rows are tightly packed; with the default alignment of 4 any width
    // that is not a multiple of 4 would be read skewed and past the pixels.
    GLint savedAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &savedAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                      image.pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, savedAlignment);
    return name;
}

unsigned loadPpmTexture(const char* fileName)
{
    const PpmImage image(fileName);
    return makePpmTexture(image, false);
}
