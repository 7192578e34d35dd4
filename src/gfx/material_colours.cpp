#include "gfx/material_colours.h"

#include <GL/gl.h>

namespace {
void setColour(GLenum which, const float rgb[3], float alpha) {
    const float colour[4] = {rgb[0], rgb[1], rgb[2], alpha};
    glMaterialfv(GL_FRONT_AND_BACK, which, colour);
}
}  // namespace

void setMaterialColours(const float ambient[3], const float diffuse[3], const float specular[3],
                        const float emission[3], float alpha) {
    setColour(GL_AMBIENT, ambient, alpha);
    setColour(GL_DIFFUSE, diffuse, alpha);
    setColour(GL_SPECULAR, specular, alpha);
    setColour(GL_EMISSION, emission, alpha);
}
