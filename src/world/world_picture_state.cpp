// What a tick decides for its pictures, and what it keeps for the pictures
// drawn between it and the next one. Pictures only read it.
#include <algorithm>

#include "entities/wave_set.h"
#include "gfx/skybox.h"
#include "state/options.h"
#include "world/world.h"

namespace {
constexpr int kMaxGlowLevel = 8;
constexpr int kGlowPerPitch = 2;
}  // namespace

void World::rememberPlaces() {
    player->rememberFrame();
    for (PlayerBolt& bolt : playerBolts) {
        bolt.previousPosition = bolt.position;
        bolt.fromMuzzle = false;
    }
    for (EnemyBolt& bolt : enemyBolts) bolt.previousPosition = bolt.position;
    for (Explosion& explosion : explosions) {
        for (auto& particle : explosion.particles) particle->previousPosition = particle->position;
    }
    for (EngineTrail& trail : trails) {
        for (Particle& particle : trail.particles) {
            particle.previousPosition = particle.position;
            particle.shipBorne = false;
        }
    }
    for (auto& block : waves->blocks) {
        for (Turret& turret : block->turrets) turret.previousAim = turret.aim;
    }
}

void World::advancePictureState() {
    // Capital ships first, then the trails: the order their rand() draws take.
    for (auto& ship : waves->capitalShips) ship->advanceDrawState();
    skybox->lightTouchedWalls();

    const bool shipAlive = player->state == Active;
    if (shipAlive) {
        for (EngineTrail& trail : trails) {
            if (trail.state == Inactive) continue;
            for (Particle& particle : trail.particles) {
                if (particle.state != Inactive) particle.rollFlip();
            }
        }
    }

    // The glow rises with every pitching tick and, in the chase view only,
    // falls by one after each tick's pictures have shown it.
    if (pitchedThisFrame) glowLevel = std::min(glowLevel + kGlowPerPitch, kMaxGlowLevel);
    glowShown = 0;
    if (!optView && shipAlive && glowLevel > 0) {
        glowShown = glowLevel;
        glowLevel -= 1;
    }
    pitchedThisFrame = false;
}
