#include <GL/gl.h>

#include <vector>

#include "entities/wave_set.h"
#include "gfx/particle.h"
#include "gfx/skybox.h"
#include "world/world.h"

namespace {
constexpr int kGlowSide = 32;
}

// The world's textures, made once at start-up with a current GL context.
void World::loadTextures() {
    glEnable(GL_TEXTURE_2D);
    skybox->loadTextures();
    loadParticleTexture();
    waves->loadTextures();

    // The glow capture replaces level 0 in every picture; it starts black and transparent.
    std::vector<unsigned char> blank(kGlowSide * kGlowSide * 4, 0);
    glGenTextures(1, &glowTexture);
    glBindTexture(GL_TEXTURE_2D, glowTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, kGlowSide, kGlowSide, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 blank.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glDisable(GL_TEXTURE_2D);
}
