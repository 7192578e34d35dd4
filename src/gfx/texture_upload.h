#pragma once

class PpmImage;

// The one recipe behind every PPM texture: a new texture object holding the
// image as a mipmapped RGB texture with the GL's default filters and wrap.
// `explicitRepeat` sets the S and T wrap to GL_REPEAT by hand (the skybox's
// way). An empty image leaves the new name without an image. Returns the name;
// the texture stays bound to GL_TEXTURE_2D.
unsigned makePpmTexture(const PpmImage& image, bool explicitRepeat);
// Reads a PPM file, builds its texture by the recipe and drops the image.
unsigned loadPpmTexture(const char* fileName);
