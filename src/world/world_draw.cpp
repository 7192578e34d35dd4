#include <GL/gl.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "entities/frame_blend.h"
#include "entities/wave_set.h"
#include "gfx/bolt_lines.h"
#include "gfx/draw_path.h"
#include "gfx/eye_point.h"
#include "gfx/particle.h"
#include "gfx/particle_batch.h"
#include "gfx/skybox.h"
#include "world/picture_places.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
constexpr float kGlowZoomStep = 0.04f;

// Reused every picture; they grow to the largest picture seen and stay.
BoltLines boltLines;
ParticleBatch particleBatch;

// Stand-ins the warm-up adds to the effects: a bolt of each kind and a spark
// a little ahead of the eye, so its picture meets the GL state of every
// picture of play. They belong to no pool and are never stepped.
struct EffectSamples {
    PlayerBolt playerBolt;
    EnemyBolt enemyBolt;
    Particle spark;
};

void placeSamples(EffectSamples& effects, const PlayerShip& ship) {
    const Vec3 ahead = eyeInModelSpace() + ship.getForward() * 20.0f;
    for (Bolt* bolt : {static_cast<Bolt*>(&effects.playerBolt), static_cast<Bolt*>(&effects.enemyBolt)}) {
        bolt->position = bolt->previousPosition = ahead;
        bolt->direction = ship.getForward();
        bolt->state = Active;
    }
    effects.spark.position = effects.spark.previousPosition = ahead;
    effects.spark.size = 0.2f;
    effects.spark.red = effects.spark.green = effects.spark.blue = effects.spark.alpha = 1.0f;
    effects.spark.state = Active;
}

void drawBolts(const World& world, const PicturePlaces& placer, const EffectSamples* samples) {
    if (drawPath == DrawPath::OneByOne) {
        for (const PlayerBolt& bolt : world.playerBolts) bolt.drawAt(placer.place(bolt), placer.along(bolt));
        for (const EnemyBolt& bolt : world.enemyBolts) bolt.drawAt(placer.place(bolt), placer.along(bolt));
        if (samples != nullptr) {
            samples->playerBolt.draw();
            samples->enemyBolt.draw();
        }
        return;
    }
    for (const PlayerBolt& bolt : world.playerBolts) boltLines.add(bolt, placer.place(bolt), placer.along(bolt));
    for (const EnemyBolt& bolt : world.enemyBolts) boltLines.add(bolt, placer.place(bolt), placer.along(bolt));
    if (samples != nullptr) {
        boltLines.add(samples->playerBolt, samples->playerBolt.position, samples->playerBolt.direction);
        boltLines.add(samples->enemyBolt, samples->enemyBolt.position, samples->enemyBolt.direction);
    }
    boltLines.draw();
}

void drawSky(const Skybox& skybox) {
    glPushMatrix();
    skybox.draw();
    glPopMatrix();
}

void drawEnemies(const WaveSet& waves, float fraction) {
    glPushMatrix();
    waves.drawAll(fraction);
    glPopMatrix();
}

// The blocks nearest the eye first, so the depth test turns away the hidden
// parts of those behind before they are textured. The blocks stand apart and
// the turrets sit on their own block, so the order changes no pixel. The last
// block keeps its place: the texture mode it leaves is the one the capital
// ships and the effects pass draw with.
void drawEnemiesNearFirst(const WaveSet& waves, float fraction) {
    glPushMatrix();
    const Vec3 eye = eyeInModelSpace();
    static std::vector<const TurretBlock*> order;
    order.clear();
    for (const auto& block : waves.blocks) order.push_back(block.get());
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
    for (const TurretBlock* block : order) block->drawAt(fraction);
    for (const auto& ship : waves.capitalShips) ship->draw();
    glPopMatrix();
}

// The sky drawn after the opaque world instead of before it: every block and
// ship stands well inside the sky's walls, so the depth test gives the same
// picture, and the sky's pixels behind them are no longer filled only to be
// covered. The sky is drawn as it always is, unblended, and the texture mode
// the enemies left for the effects pass is put back.
void drawSkyBehind(const Skybox& skybox) {
    GLint textureMode = GL_MODULATE;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &textureMode);
    const GLboolean blending = glIsEnabled(GL_BLEND);
    glDisable(GL_BLEND);
    drawSky(skybox);
    if (blending) glEnable(GL_BLEND);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, textureMode);
}

// The explosions, then the trails while the ship lives.
void drawParticles(const World& world, bool withTrails, const PicturePlaces& placer, const EffectSamples* samples) {
    if (drawPath == DrawPath::OneByOne) {
        for (const Explosion& explosion : world.explosions) {
            if (explosion.state == Inactive) continue;
            for (const auto& particle : explosion.particles) particle->drawAt(placer.place(*particle));
        }
        if (withTrails) {
            for (const EngineTrail& trail : world.trails) {
                if (trail.state == Inactive) continue;
                for (const Particle& particle : trail.particles) particle.drawAt(placer.place(particle));
            }
        }
        if (samples != nullptr) samples->spark.draw();
        return;
    }
    for (const Explosion& explosion : world.explosions) {
        if (explosion.state == Inactive) continue;
        for (const auto& particle : explosion.particles) particleBatch.add(*particle, placer.place(*particle));
    }
    if (withTrails) {
        for (const EngineTrail& trail : world.trails) {
            if (trail.state == Inactive) continue;
            for (const Particle& particle : trail.particles) particleBatch.add(particle, placer.place(particle));
        }
    }
    if (samples != nullptr) particleBatch.add(samples->spark, samples->spark.position);
    particleBatch.draw();
}
}  // namespace

void World::draw(const WorldPicture& picture) const {
    const float fraction = picture.fraction;
    const PicturePlaces placer(*player, fraction);
    std::optional<EffectSamples> effects;
    if (picture.effectSamples) placeSamples(effects.emplace(), *player);
    const EffectSamples* samples = effects ? &*effects : nullptr;

    captureGlow(fraction);

    glPushMatrix();
    player->drawAt(fraction);
    glPopMatrix();

    drawBolts(*this, placer, samples);

    if (drawPath == DrawPath::OneByOne) {
        drawSky(*skybox);
        drawEnemies(*waves, fraction);
    } else {
        drawEnemiesNearFirst(*waves, fraction);
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
    drawParticles(*this, shipAlive, placer, samples);

    // The glow shows in the chase view only, at the level the tick decided.
    const int glow = picture.glowLevel >= 0 ? picture.glowLevel : glowShown;
    if (!picture.cockpitOption && shipAlive) {
        glPushMatrix();
        if (glow > 0) drawGlow(glow, kGlowZoomStep);
        glPopMatrix();
    }

    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    if (fogWasOn) glEnable(GL_FOG);
}
