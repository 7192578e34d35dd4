#include <GL/gl.h>

#include <algorithm>
#include <vector>

#include "entities/wave_set.h"
#include "gfx/bolt_lines.h"
#include "gfx/draw_path.h"
#include "gfx/eye_point.h"
#include "gfx/particle.h"
#include "gfx/particle_batch.h"
#include "gfx/skybox.h"
#include "state/options.h"
#include "world/world.h"

namespace {
constexpr int kMaxGlowLevel = 8;
constexpr int kGlowPerPitch = 2;
constexpr float kGlowZoomStep = 0.04f;

// Reused every frame; they grow to the largest frame seen and stay.
BoltLines boltLines;
ParticleBatch particleBatch;

// Stand-ins the warm-up adds to the effects: a bolt of each kind and a spark
// a little ahead of the eye, so its draw meets the GL state of every draw of
// play. They belong to no pool and are never stepped; the spark has no random
// flip, so drawing it takes no rand() draw.
struct EffectSamples {
    PlayerBolt playerBolt;
    EnemyBolt enemyBolt;
    Particle spark;
};
EffectSamples* samples = nullptr;

void placeSamples(EffectSamples& effects, const PlayerShip& ship) {
    const Vec3 ahead = eyeInModelSpace() + ship.getForward() * 20.0f;
    for (Bolt* bolt : {static_cast<Bolt*>(&effects.playerBolt), static_cast<Bolt*>(&effects.enemyBolt)}) {
        bolt->position = ahead;
        bolt->direction = ship.getForward();
        bolt->state = Active;
    }
    effects.spark.position = ahead;
    effects.spark.size = 0.2f;
    effects.spark.red = effects.spark.green = effects.spark.blue = effects.spark.alpha = 1.0f;
    effects.spark.state = Active;
}

void drawBolts(World& world) {
    if (drawPath == DrawPath::OneByOne) {
        for (PlayerBolt& bolt : world.playerBolts) bolt.draw();
        for (EnemyBolt& bolt : world.enemyBolts) bolt.draw();
        if (samples != nullptr) {
            samples->playerBolt.draw();
            samples->enemyBolt.draw();
        }
        return;
    }
    for (const PlayerBolt& bolt : world.playerBolts) boltLines.add(bolt);
    for (const EnemyBolt& bolt : world.enemyBolts) boltLines.add(bolt);
    if (samples != nullptr) {
        boltLines.add(samples->playerBolt);
        boltLines.add(samples->enemyBolt);
    }
    boltLines.draw();
}

void drawSky(Skybox& skybox) {
    glPushMatrix();
    skybox.draw();
    glPopMatrix();
}

void drawEnemies(WaveSet& waves) {
    glPushMatrix();
    waves.drawAll();
    glPopMatrix();
}

// The blocks nearest the eye first, so the depth test turns away the hidden
// parts of those behind before they are textured. The blocks stand apart and
// the turrets sit on their own block, so the order changes no pixel. The last
// block keeps its place: the texture mode it leaves is the one the capital
// ships and the effects pass draw with.
void drawEnemiesNearFirst(WaveSet& waves) {
    glPushMatrix();
    const Vec3 eye = eyeInModelSpace();
    static std::vector<TurretBlock*> order;
    order.clear();
    for (auto& block : waves.blocks) order.push_back(block.get());
    if (!order.empty()) {
        const auto distance = [&eye](const TurretBlock* block) {
            const Vec3 d = block->position - eye;
            return d.x * d.x + d.y * d.y + d.z * d.z;
        };
        std::stable_sort(order.begin(), order.end() - 1,
                         [&](const TurretBlock* a, const TurretBlock* b) {
                             return distance(a) < distance(b);
                         });
    }
    for (TurretBlock* block : order) block->draw();
    for (auto& ship : waves.capitalShips) ship->draw();
    glPopMatrix();
}

// The sky drawn after the opaque world instead of before it: every block and
// ship stands well inside the sky's walls, so the depth test gives the same
// picture, and the sky's pixels behind them are no longer filled only to be
// covered. The sky is drawn as it always is, unblended, and the texture mode
// the enemies left for the effects pass is put back.
void drawSkyBehind(Skybox& skybox) {
    GLint textureMode = GL_MODULATE;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &textureMode);
    const GLboolean blending = glIsEnabled(GL_BLEND);
    glDisable(GL_BLEND);
    drawSky(skybox);
    if (blending) glEnable(GL_BLEND);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, textureMode);
}

// The explosions, then the trails while the ship lives.
void drawParticles(World& world, bool withTrails) {
    if (drawPath == DrawPath::OneByOne) {
        for (Explosion& explosion : world.explosions) explosion.draw();
        if (withTrails) {
            for (EngineTrail& trail : world.trails) trail.draw();
        }
        if (samples != nullptr) samples->spark.draw();
        return;
    }
    for (Explosion& explosion : world.explosions) explosion.addTo(particleBatch);
    if (withTrails) {
        for (EngineTrail& trail : world.trails) trail.addTo(particleBatch);
    }
    if (samples != nullptr) particleBatch.add(samples->spark);
    particleBatch.draw();
}
}  // namespace

void World::draw() {
    captureGlow();

    glPushMatrix();
    player->draw();
    glPopMatrix();

    drawBolts(*this);

    if (drawPath == DrawPath::OneByOne) {
        drawSky(*skybox);
        drawEnemies(*waves);
    } else {
        drawEnemiesNearFirst(*waves);
        drawSkyBehind(*skybox);
    }

    // The additive effects pass: no fog, no depth test.
    GLboolean fogWasOn = GL_FALSE;
    glGetBooleanv(GL_FOG, &fogWasOn);
    if (fogWasOn) glDisable(GL_FOG);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);

    const bool shipAlive = player->state == Active;
    drawParticles(*this, shipAlive);

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

void World::drawWithEffectSamples() {
    EffectSamples effects;
    placeSamples(effects, *player);
    // The glow shows too, where the view shows it, at its lowest level.
    const int glowWas = glowLevel;
    const bool pitchedWas = pitchedThisFrame;
    glowLevel = 1;
    pitchedThisFrame = false;
    samples = &effects;
    draw();
    samples = nullptr;
    glowLevel = glowWas;
    pitchedThisFrame = pitchedWas;
}
