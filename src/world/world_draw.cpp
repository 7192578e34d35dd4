#include <GL/gl.h>

#include <algorithm>

#include "app/options.h"
#include "entities/wave_set.h"
#include "gfx/skybox.h"
#include "world/world.h"

namespace {
constexpr int kMaxGlowLevel = 8;
constexpr int kGlowPerPitch = 2;
constexpr float kGlowZoomStep = 0.04f;
}  // namespace

void World::draw() {
    captureGlow();

    glPushMatrix();
    player->draw();
    glPopMatrix();

    for (PlayerBolt& bolt : playerBolts) bolt.draw();
    for (EnemyBolt& bolt : enemyBolts) bolt.draw();

    glPushMatrix();
    skybox->draw();
    glPopMatrix();

    glPushMatrix();
    waves->drawAll();
    glPopMatrix();

    // The additive effects pass: no fog, no depth test.
    GLboolean fogWasOn = GL_FALSE;
    glGetBooleanv(GL_FOG, &fogWasOn);
    if (fogWasOn) glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);

    for (Explosion& explosion : explosions) explosion.draw();
    const bool shipAlive = player->state == Active;
    if (shipAlive) {
        for (EngineTrail& trail : trails) trail.draw();
    }

    if (pitchedThisFrame) glowLevel = std::min(glowLevel + kGlowPerPitch, kMaxGlowLevel);
    // The glow rises and falls in the chase view only.
    if (!optView && shipAlive) {
        glPushMatrix();
        if (glowLevel > 0) {
            drawGlow(glowLevel, kGlowZoomStep);
            glowLevel -= 1;
        }
        glPopMatrix();
    }

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    pitchedThisFrame = false;
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    if (fogWasOn) glEnable(GL_FOG);
}
