#pragma once

// GLUT bitmap text: the first character starts at the raster position
// (x, y, z) in the current projection, drawn in the current colour.
// `font` is one of GLUT's bitmap font handles (Helvetica 18 or 12 here).
void drawBitmapText(float x, float y, float z, void* font, const char* text);
// The two HUD fonts, so callers need not include GLUT.
void* largeFont();
void* smallFont();
