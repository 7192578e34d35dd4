#include "gfx/bitmap_text.h"

#include <GL/gl.h>
#include <GL/glut.h>

void drawBitmapText(float x, float y, float z, void* font, const char* text) {
    glRasterPos3f(x, y, z);
    for (const char* c = text; *c != '\0'; ++c) glutBitmapCharacter(font, *c);
}

void* largeFont() { return GLUT_BITMAP_HELVETICA_18; }
void* smallFont() { return GLUT_BITMAP_HELVETICA_12; }
