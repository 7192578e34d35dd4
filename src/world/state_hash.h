#pragma once
// Digests of the game's state, for checks that a run replays exactly and that
// pictures change nothing. FNV-1a over each field's bytes, field by field, so
// that padding never reaches the digest.
#include <cstdint>

#include "entities/game_random.h"
#include "entities/wave_set.h"
#include "gfx/overlay.h"
#include "gfx/skybox.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/render_pass.h"
#include "world/world.h"

struct Digest {
    std::uint64_t value = 0xcbf29ce484222325ull;
    void bytes(const void* data, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) {
            value = (value ^ static_cast<const unsigned char*>(data)[i]) * 0x100000001b3ull;
        }
    }
    void one(int v) { bytes(&v, sizeof v); }  // flags and states too
    void one(float v) { bytes(&v, sizeof v); }
    void one(const Vec3& v) { add(v.x, v.y, v.z); }
    template <class... T> void add(const T&... v) { (one(v), ...); }
};

// The game-flow globals, the options and the input flags, as both digests below fold them.
inline void addFlowAndInput(Digest& d) {
    d.add(fogHue, cameraMode, gameState, optFullScreen, optNebula, optInvert, optInvincible, optView, wireframe);
    d.add(static_cast<bool>(keyUp), static_cast<bool>(keyDown), static_cast<bool>(keyLeft),
          static_cast<bool>(keyRight), static_cast<bool>(keyFire), pressUp, pressDown, pressLeft, pressRight);
}

// Everything a step changes: flags, the ship, every pool slot, every enemy,
// the ring indices. (The soak's fold of it, seed 7, has a known end.)
inline std::uint64_t worldStepHash(const World& w) {
    Digest d;
    const PlayerShip& ship = *w.player;
    d.add(w.score, w.gameOver, w.paused, w.won, w.victoryMusicStarted, w.battleMusicStarted,
          w.glowLevel, ship.state, ship.position, ship.forward, ship.up, ship.right, ship.health,
          ship.fireCooldown, ship.invincible, w.nextPlayerBolt);
    for (const Bolt& b : w.playerBolts) d.add(b.state, b.position, b.direction, b.hold);
    d.add(w.nextEnemyBolt);
    for (const Bolt& b : w.enemyBolts) d.add(b.state, b.position, b.direction, b.hold);
    d.add(w.nextExplosion);
    for (const Explosion& e : w.explosions) {
        d.add(e.state, e.position);
        for (const auto& p : e.particles) d.add(p->state, p->position, p->life, p->alpha);
    }
    for (const EngineTrail& t : w.trails) {
        d.add(t.nextParticle);
        for (const Particle& p : t.particles) d.add(p.state, p.position, p.life, p.alpha);
    }
    d.add(w.waves->enemiesLeft);
    for (const auto& c : w.waves->capitalShips) {
        d.add(c->state, c->position, c->hitPoints, c->hitFlash, c->scale);
        for (int timer : c->gunTimers) d.add(timer);
    }
    for (const auto& block : w.waves->blocks) {
        d.add(block->hue, block->hitCount);
        for (const Turret& t : block->turrets) d.add(t.state, t.position, t.cooldown, t.aim);
    }
    return d.value;
}

// All a tick owns: the step's state above, what it decided for its pictures
// and kept for pictures between ticks, the overlay's menu and animation, the
// fog, the options, the camera and the input flags. A picture that changes
// any of it changes this digest.
inline std::uint64_t tickStateHash(const World& w, const Overlay& o) {
    Digest d;
    d.value = worldStepHash(w);
    d.add(w.glowShown, w.pitchedThisFrame);
    for (int wall = 0; wall < Skybox::kFaceCount; ++wall) d.add(w.skybox->wallTouched[wall], w.skybox->wallLit[wall]);
    const ShipFrame& was = w.player->previousFrame;
    d.add(was.position, was.forward, was.up, was.right);
    for (const Bolt& b : w.playerBolts) d.add(b.previousPosition, b.fromMuzzle);
    for (const Bolt& b : w.enemyBolts) d.add(b.previousPosition);
    for (const Explosion& e : w.explosions) {
        for (const auto& p : e.particles) d.add(p->previousPosition, p->flipped);
    }
    for (const EngineTrail& t : w.trails) {
        for (const Particle& p : t.particles) d.add(p.previousPosition, p.flipped, p.shipBorne);
    }
    for (const auto& c : w.waves->capitalShips) d.add(c->shown);
    for (const auto& block : w.waves->blocks) {
        d.bytes(block->counterImage, sizeof block->counterImage);
        for (const Turret& t : block->turrets) d.add(t.previousAim);
    }
    const ShipModel& title = *o.titleShip;
    d.add(o.hue, o.creditScroll, o.creditScrollShown, o.menuIndex, o.titleMode, title.position, title.forward,
          title.up, title.right, title.previousFrame.forward, title.previousFrame.up);
    addFlowAndInput(d);
    return d.value;
}

// What a recording checks: the step's state, the random generator's, and all
// else a tick owns that decides what later ticks do or show, but not where the
// last tick left things (pictures blend from those, and a tick sets them anew
// before its commands).
inline std::uint64_t gameStateHash(const World& w, const Overlay& o) {
    Digest d;
    d.value = worldStepHash(w);
    const GameRandomState random = gameRandomState();
    d.bytes(random.words, sizeof random.words);
    d.add(static_cast<int>(random.front), w.glowShown, w.pitchedThisFrame);
    for (int wall = 0; wall < Skybox::kFaceCount; ++wall) d.add(w.skybox->wallTouched[wall], w.skybox->wallLit[wall]);
    for (const auto& c : w.waves->capitalShips) d.add(c->shown);
    for (const auto& block : w.waves->blocks) d.bytes(block->counterImage, sizeof block->counterImage);
    const ShipModel& title = *o.titleShip;
    d.add(o.hue, o.creditScroll, o.creditScrollShown, o.menuIndex, o.titleMode, title.position, title.forward,
          title.up, title.right);
    addFlowAndInput(d);
    return d.value;
}
