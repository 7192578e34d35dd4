#include <algorithm>
#include <cstdint>
#include <vector>

#include "entities/game_random.h"
#include "world/byte_stream.h"
#include "world/command_queue.h"
#include "world/game_snapshot.h"
#include "world/game_tick.h"
#include "world/state_hash.h"
#include "world_fixture.h"

namespace {

// A player at random, from its own generator (never the game's): arrows and
// fire from the keyboard and the pad, option keys, pause, the win key and
// restarts, and now and then a pointer shot at a turret.
class CommandStream {
public:
    explicit CommandStream(unsigned seed) : state(seed) {}

    void queueTick() {
        for (int i = 0; i < 3; ++i) queueOne();
    }

private:
    void queueOne() {
        static constexpr int kArrows[] = {KeyLeft, KeyUp, KeyRight, KeyDown};
        static constexpr char kOptionKeys[] = {'0', '2', '3', '3', '3', 'c', 'f', 'i'};
        const unsigned r = next() % 1000;
        const ScopedInputSource from(next() % 4 == 0 ? InputSource::Gamepad : InputSource::Keyboard);
        const bool down = next() % 2 == 0;
        if (r < 400) {
            const int arrow = kArrows[next() % 4];
            down ? queueSpecialDown(arrow) : queueSpecialUp(arrow);
        } else if (r < 700) {
            down ? queueKeyDown(' ') : queueKeyUp(' ');
        } else if (r < 703 || (r < 800 && getWorld()->paused)) {
            queueKeyDown('p');  // short pauses, so the game mostly runs
        } else if (r < 708) {
            queueKeyDown('\\');
        } else if (r < 730) {
            queueKeyDown('r');
        } else if (r < 760) {
            queueKeyDown(kOptionKeys[next() % sizeof kOptionKeys]);
        } else if (r < 765) {
            queueSpecialUp(KeyF1);
        } else if (r < 900) {
            shootAtTurret();
        }
    }
    void shootAtTurret() {
        const World& world = *getWorld();
        const auto& blocks = world.waves->blocks;
        const Turret& target = blocks[next() % blocks.size()]->turrets[next() % TurretBlock::kTurretCount];
        const Vec3 from = world.player->position;
        queueFireAlong({from, target.position - from});
    }
    unsigned next() {
        state = state * 1664525u + 1013904223u;
        return state >> 16;
    }
    unsigned state;
};

// The first tick at which two runs' state hashes part, or their length when they never do.
std::size_t firstDrift(const std::vector<std::uint64_t>& a, const std::vector<std::uint64_t>& b) {
    return static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin());
}

class GameSnapshot : public OverlayWorldTest {
protected:
    // The state hash after each of `ticks` ticks the stream drives.
    std::vector<std::uint64_t> play(CommandStream& stream, int ticks) {
        std::vector<std::uint64_t> hashes;
        for (int i = 0; i < ticks; ++i) {
            stream.queueTick();
            runTick();
            hashes.push_back(tickStateHash(*world, *overlay));
        }
        return hashes;
    }
    bool reads(const std::vector<std::uint8_t>& bytes) {
        ByteReader in(bytes.data(), bytes.size());
        return readGameSnapshot(in, *world, *overlay);
    }
    std::vector<std::uint8_t> snapshot() const {
        ByteWriter out;
        writeGameSnapshot(out, *world, *overlay);
        return out.bytes;
    }
};

// Restored into the world that moved on, or into a fresh one whose enemies
// rolled other timers and hues, the snapshot and the generator's state replay
// the same commands tick for tick.
TEST_F(GameSnapshot, ReplaysExactlyIntoTheSameWorldLaterOrAFreshOne) {
    constexpr int kTicks = 200;
    CommandStream stream(77);
    play(stream, 300);
    ASSERT_TRUE(std::any_of(std::begin(world->explosions), std::end(world->explosions),
                            [](const Explosion& e) { return e.state == Active; }));
    ASSERT_TRUE(world->player->health < 1.0f && world->trails[0].state == Active) << "a game under fire";
    const std::vector<std::uint8_t> saved = snapshot();
    const GameRandomState generator = gameRandomState();
    const std::uint64_t savedHash = tickStateHash(*world, *overlay);
    const CommandStream from = stream;
    const std::vector<std::uint64_t> expected = play(stream, kTicks);

    const auto replay = [&] {
        ByteReader in(saved.data(), saved.size());
        EXPECT_TRUE(readGameSnapshot(in, *world, *overlay) && in.atEnd());
        EXPECT_EQ(tickStateHash(*world, *overlay), savedHash);
        EXPECT_TRUE(snapshot() == saved) << "every field written is read back";
        setGameRandomState(generator);
        CommandStream again = from;
        return firstDrift(play(again, kTicks), expected);
    };
    EXPECT_EQ(replay(), std::size_t{kTicks}) << "the same world, moved on";

    destroyOverlay();
    seedGameRandom(4321);
    world = createWorld(WorldImages::Skip);
    overlay = createOverlay();
    resetOptions();
    resetInput();
    EXPECT_EQ(replay(), std::size_t{kTicks}) << "a fresh world";
}

// A snapshot cut short, of another version, or holding what no game holds
// (written from a world spoiled on purpose) is refused. (The fuzz target
// feeds it random damage.)
TEST_F(GameSnapshot, RefusesShortOrDamagedSnapshots) {
    CommandStream stream(5);
    play(stream, 150);
    const std::vector<std::uint8_t> good = snapshot();
    ASSERT_TRUE(reads(good));

    for (std::size_t cut = 0; cut < good.size(); cut += cut < 64 ? 1 : 997) {
        EXPECT_FALSE(reads({good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut)})) << "cut at " << cut;
    }
    EXPECT_FALSE(reads({good.begin(), good.end() - 1}));
    std::vector<std::uint8_t> otherVersion = good;
    otherVersion[0] = kGameSnapshotVersion + 1;
    EXPECT_FALSE(reads(otherVersion));

    const auto refusedWhenSpoiled = [&](auto spoil) {
        EXPECT_TRUE(reads(good));
        spoil();
        return !reads(snapshot());
    };
    EXPECT_TRUE(refusedWhenSpoiled([&] { world->nextExplosion = World::kExplosionCount; }));
    EXPECT_TRUE(refusedWhenSpoiled([&] { world->trails[1].nextParticle = -1; }));
    EXPECT_TRUE(refusedWhenSpoiled([&] { world->enemyBolts[World::kEnemyBoltCount - 1].state = Inactive + 1; }));
    EXPECT_TRUE(refusedWhenSpoiled([&] { overlay->menuIndex = Overlay::kMenuItems; }));
    EXPECT_TRUE(refusedWhenSpoiled([&] { keyFire.setHeldSources(4); }));
    EXPECT_TRUE(refusedWhenSpoiled([&] {
        auto& particles = world->explosions[World::kExplosionCount - 1].particles;
        while (particles.size() <= CapitalShip::kExplosionParticles) particles.push_back(std::make_unique<Particle>());
    }));
}

}  // namespace
