#include "world/game_snapshot.h"

#include <algorithm>
#include <memory>

#include "entities/wave_set.h"
#include "gfx/overlay.h"
#include "gfx/skybox.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/glow_copies.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {

constexpr int kStateWords = Inactive + 1;
// Far beyond any game's score, and far enough below the largest int that no kill overflows it.
constexpr int kMaxScore = 1 << 30;
// The glow never rises past the copies it can show.
constexpr int kMaxGlowLevel = GlowCopies::kMaxCopies;
constexpr int kAllInputSources =
    static_cast<int>(InputSource::Keyboard) | static_cast<int>(InputSource::Gamepad);
constexpr int kLastCameraMode = 3;

// One walk over the game's state serves both directions: Saver writes each
// field it is shown, Loader reads it back into the same field, so writing and
// reading cannot drift apart. The walks take `const` objects when saving.
class Saver {
public:
    static constexpr bool kReading = false;
    explicit Saver(ByteWriter& out) : out(out) {}

    void number(const int& v) { out.i32(v); }
    void number(const float& v) { out.f32(v); }
    void vec(const Vec3& v) {
        out.f32(v.x);
        out.f32(v.y);
        out.f32(v.z);
    }
    void flag(const bool& v) { out.flag(v); }
    void byte(const std::uint8_t& v) { out.u8(v); }
    void inRange(const int& v, int, int) { out.i32(v); }
    // State words, ring indices and counts: small and never negative, so written short.
    void below(const int& v, int) { out.varint(static_cast<std::uint32_t>(v)); }
    void particleCount(const int& v) { below(v, 0); }
    // A number the reading side must already hold (the level's layout).
    void same(int v) { out.i32(v); }

private:
    ByteWriter& out;
};

class Loader {
public:
    static constexpr bool kReading = true;
    explicit Loader(ByteReader& in) : in(in) {}

    void number(int& v) { v = in.i32(); }
    void number(float& v) { v = in.f32(); }
    void vec(Vec3& v) {
        v.x = in.f32();
        v.y = in.f32();
        v.z = in.f32();
    }
    void flag(bool& v) { v = in.flag(); }
    void byte(std::uint8_t& v) { v = in.u8(); }
    void inRange(int& v, int low, int high) {
        v = in.i32();
        if (v < low || v > high) {
            in.fail();
            v = low;
        }
    }
    void below(int& v, int limit) { v = static_cast<int>(in.count(static_cast<std::uint64_t>(limit - 1))); }
    // No more than the biggest burst, nor than the bytes left could describe.
    void particleCount(int& v);
    void same(int v) {
        if (in.i32() != v) in.fail();
    }

private:
    ByteReader& in;
};

template <class Io, class P> void visitParticle(Io& io, P& p) {
    io.below(p.state, kStateWords);
    io.vec(p.position);
    io.vec(p.previousPosition);
    io.vec(p.velocity);
    io.number(p.life);
    io.number(p.maxLife);
    io.number(p.red);
    io.number(p.green);
    io.number(p.blue);
    io.number(p.alpha);
    io.number(p.size);
    io.number(p.speed);
    io.flag(p.randomFlip);
    io.flag(p.flipped);
    io.flag(p.shipBorne);
}

// The fewest bytes a particle takes: one of the explosion counts' bounds.
std::size_t particleBytes() {
    static const std::size_t bytes = [] {
        ByteWriter out;
        Saver saver(out);
        const Particle particle;
        visitParticle(saver, particle);
        return out.bytes.size();
    }();
    return bytes;
}

void Loader::particleCount(int& v) {
    const std::uint64_t fits = in.remaining() / particleBytes();
    v = static_cast<int>(in.count(std::min<std::uint64_t>(CapitalShip::kExplosionParticles, fits)));
}

template <class Io, class B> void visitBolt(Io& io, B& b) {
    io.below(b.state, kStateWords);
    io.vec(b.position);
    io.vec(b.previousPosition);
    io.vec(b.direction);
    io.number(b.length);
    for (auto& c : b.colour) io.number(c);
    io.number(b.speed);
    io.flag(b.hold);
    io.flag(b.fromMuzzle);
}

// The player's ship and the title screen's: the frame, what the tick keeps for
// pictures, and the points derived from the frame (the hull the hits test).
template <class Io, class S> void visitShip(Io& io, S& s) {
    io.below(s.state, kStateWords);
    io.vec(s.position);
    io.vec(s.forward);
    io.vec(s.up);
    io.vec(s.right);
    io.vec(s.cameraOffset);
    io.vec(s.previousFrame.position);
    io.vec(s.previousFrame.forward);
    io.vec(s.previousFrame.up);
    io.vec(s.previousFrame.right);
    io.number(s.health);
    io.number(s.fireCooldown);
    io.flag(s.invincible);
    io.flag(s.fireRequested);
    for (auto& p : s.muzzles) io.vec(p);
    for (auto& p : s.nozzles) io.vec(p);
    for (auto& p : s.hull.facePoints) io.vec(p);
    for (auto& n : s.hull.faceNormals) io.vec(n);
}

template <class Io, class E> void visitExplosion(Io& io, E& e) {
    io.below(e.state, kStateWords);
    io.vec(e.position);
    int count = static_cast<int>(e.particles.size());
    io.particleCount(count);
    if constexpr (Io::kReading) {
        e.particles.clear();
        e.particles.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) e.particles.push_back(std::make_unique<Particle>());
        e.particleCount = count;
    }
    for (const auto& p : e.particles) visitParticle(io, *p);
}

template <class Io, class T> void visitTrail(Io& io, T& t) {
    io.below(t.state, kStateWords);
    io.below(t.nextParticle, EngineTrail::kParticleCount);
    for (auto& p : t.particles) visitParticle(io, p);
}

template <class Io, class C> void visitCapitalShip(Io& io, C& c) {
    io.below(c.state, kStateWords);
    io.vec(c.position);
    io.number(c.scale);
    io.number(c.hitPoints);
    io.number(c.hitFlash);
    io.flag(c.shown);
    for (auto& timer : c.gunTimers) io.number(timer);
    // Rebuilt from the scale by every update, and tested for hits in between.
    for (auto& p : c.gunPoints) io.vec(p);
    for (auto& d : c.gunDirections) io.vec(d);
    for (auto& p : c.corners) io.vec(p);
    io.vec(c.box.min);
    io.vec(c.box.max);
}

template <class Io, class T> void visitTurret(Io& io, T& t) {
    io.below(t.state, kStateWords);
    io.vec(t.position);
    io.vec(t.aim);
    io.vec(t.previousAim);
    io.number(t.cooldown);
    io.vec(t.box.min);
    io.vec(t.box.max);
}

template <class Io, class B> void visitBlock(Io& io, B& b) {
    io.number(b.hue);
    io.inRange(b.hitCount, 0, TurretBlock::kCounterCells);
    io.flag(b.armed);
    for (auto& texel : b.counterImage) io.byte(texel);
    if constexpr (Io::kReading) {
        // The GL copy still shows the image the block had before.
        if (b.counterDisplay) b.counterImageDirty = true;
    }
    for (auto& turret : b.turrets) visitTurret(io, turret);
}

template <class Io, class W> void visitWaves(Io& io, W& waves) {
    io.same(waves.levelNumber);
    io.same(static_cast<int>(waves.capitalShips.size()));
    io.same(static_cast<int>(waves.blocks.size()));
    io.number(waves.enemiesLeft);
    for (const auto& ship : waves.capitalShips) visitCapitalShip(io, *ship);
    for (const auto& block : waves.blocks) visitBlock(io, *block);
}

template <class Io, class W> void visitWorld(Io& io, W& w) {
    io.flag(w.gameOver);
    io.flag(w.paused);
    io.flag(w.won);
    io.flag(w.victoryMusicStarted);
    io.flag(w.battleMusicStarted);
    io.flag(w.pitchedThisFrame);
    io.inRange(w.score, 0, kMaxScore);
    io.inRange(w.glowLevel, 0, kMaxGlowLevel);
    io.inRange(w.glowShown, 0, kMaxGlowLevel);
    io.number(w.turnStep);
    visitShip(io, *w.player);

    io.below(w.nextPlayerBolt, World::kPlayerBoltCount);
    for (auto& bolt : w.playerBolts) visitBolt(io, bolt);
    io.below(w.nextEnemyBolt, World::kEnemyBoltCount);
    for (auto& bolt : w.enemyBolts) visitBolt(io, bolt);
    for (auto& trail : w.trails) visitTrail(io, trail);
    io.below(w.nextExplosion, World::kExplosionCount);
    for (auto& explosion : w.explosions) visitExplosion(io, explosion);

    for (int wall = 0; wall < Skybox::kFaceCount; ++wall) {
        io.flag(w.skybox->wallTouched[wall]);
        io.flag(w.skybox->wallLit[wall]);
    }
    visitWaves(io, *w.waves);
}

template <class Io, class O> void visitOverlay(Io& io, O& o) {
    io.inRange(o.menuIndex, 0, Overlay::kMenuItems - 1);
    io.flag(o.titleMode);
    io.number(o.hue);
    io.number(o.creditScroll);
    io.number(o.creditScrollShown);
    visitShip(io, *o.titleShip);
}

template <class Io> void visitHeldKey(Io& io, HeldFlag& key) {
    int sources = key.heldSources();
    io.inRange(sources, 0, kAllInputSources);
    if constexpr (Io::kReading) key.setHeldSources(static_cast<unsigned char>(sources));
}

// The game-flow globals a tick reads: options, camera, fog and input flags.
template <class Io> void visitGlobals(Io& io) {
    io.inRange(gameState, 0, 1);
    io.inRange(cameraMode, 1, kLastCameraMode);
    io.number(fogHue);
    io.flag(optFullScreen);
    io.flag(optNebula);
    io.flag(optInvert);
    io.flag(optInvincible);
    io.flag(optView);
    io.flag(wireframe);
    for (HeldFlag* key : {&keyUp, &keyDown, &keyLeft, &keyRight, &keyFire}) visitHeldKey(io, *key);
    io.flag(pressUp);
    io.flag(pressDown);
    io.flag(pressLeft);
    io.flag(pressRight);
}

}  // namespace

void writeGameSnapshot(ByteWriter& out, const World& world, const Overlay& overlay) {
    out.u8(kGameSnapshotVersion);
    Saver saver(out);
    visitWorld(saver, world);
    visitOverlay(saver, overlay);
    visitGlobals(saver);
}

bool readGameSnapshot(ByteReader& in, World& world, Overlay& overlay) {
    if (in.u8() != kGameSnapshotVersion) {
        in.fail();
        return false;
    }
    Loader loader(in);
    visitWorld(loader, world);
    visitOverlay(loader, overlay);
    visitGlobals(loader);
    return in.ok();
}
