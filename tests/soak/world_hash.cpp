#include "world_hash.h"

#include <cstring>

#include "entities/wave_set.h"
#include "world/world.h"

namespace {
// FNV-1a over the bytes of each field: fields one by one, never whole
// objects, so padding never reaches the digest.
class Digest {
public:
    void add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value = (value ^ bytes[i]) * 0x100000001b3ull;
        }
    }
    void add(int v) { add(&v, sizeof v); }
    void add(bool v) { add(static_cast<int>(v)); }
    void add(float v) { add(&v, sizeof v); }
    void add(const Vec3& v) {
        add(v.x);
        add(v.y);
        add(v.z);
    }
    void addObject(const GameObject& object) {
        add(object.state);
        add(object.position);
    }
    void addParticle(const Particle& particle) {
        addObject(particle);
        add(particle.life);
        add(particle.alpha);
    }
    void addBolt(const Bolt& bolt) {
        addObject(bolt);
        add(bolt.direction);
        add(bolt.hold);
    }

    std::uint64_t value = 0xcbf29ce484222325ull;
};
}  // namespace

std::uint64_t hashWorld(const World& world) {
    Digest d;
    d.add(world.score);
    d.add(world.gameOver);
    d.add(world.paused);
    d.add(world.won);
    d.add(world.victoryMusicStarted);
    d.add(world.battleMusicStarted);
    d.add(world.glowLevel);

    const PlayerShip& ship = *world.player;
    d.addObject(ship);
    d.add(ship.forward);
    d.add(ship.up);
    d.add(ship.right);
    d.add(ship.health);
    d.add(ship.fireCooldown);
    d.add(ship.invincible);

    d.add(world.nextPlayerBolt);
    for (const PlayerBolt& bolt : world.playerBolts) d.addBolt(bolt);
    d.add(world.nextEnemyBolt);
    for (const EnemyBolt& bolt : world.enemyBolts) d.addBolt(bolt);

    d.add(world.nextExplosion);
    for (const Explosion& explosion : world.explosions) {
        d.addObject(explosion);
        for (const auto& particle : explosion.particles) d.addParticle(*particle);
    }
    for (const EngineTrail& trail : world.trails) {
        d.add(trail.nextParticle);
        for (const Particle& particle : trail.particles) d.addParticle(particle);
    }

    const WaveSet& waves = *world.waves;
    d.add(waves.enemiesLeft);
    for (const auto& capital : waves.capitalShips) {
        d.addObject(*capital);
        d.add(capital->hitPoints);
        d.add(capital->hitFlash);
        d.add(capital->scale);
        for (int timer : capital->gunTimers) d.add(timer);
    }
    for (const auto& block : waves.blocks) {
        d.add(block->hue);
        d.add(block->hitCount);
        for (const Turret& turret : block->turrets) {
            d.addObject(turret);
            d.add(turret.cooldown);
            d.add(turret.aim);
        }
    }
    return d.value;
}

std::uint64_t foldHash(std::uint64_t run, std::uint64_t step) {
    // The order of the steps matters: a swapped pair folds differently.
    return (run ^ step) * 0x9e3779b97f4a7c15ull + (run >> 29);
}
