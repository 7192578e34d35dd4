#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "entities/random.h"
#include "entities/wave_set.h"
#include "gfx/overlay.h"
#include "platform/recording_sound_backend.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/command_queue.h"
#include "world/world.h"
#include "world/world_options.h"

// A fresh world without images, a seeded generator and a sound back end that
// records every cue, for every test.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        seedGameRandom(1234);
        setSoundBackend(&sounds);
        world = createWorld(WorldImages::Skip);
        resetOptions();
        resetInput();
        clearQueuedCommands();
    }
    void TearDown() override {
        destroyWorld();
        setSoundBackend(nullptr);
    }

    int laserShots() const {
        const auto& cues = sounds.entries();
        return static_cast<int>(std::count_if(cues.begin(), cues.end(), [](const std::string& cue) { return cue.starts_with("laser:"); }));
    }
    TurretBlock& block(int i) { return *world->waves->blocks[i]; }
    CapitalShip& ship(int i) { return *world->waves->capitalShips[i]; }
    // A player bolt at p, held there for the next step.
    PlayerBolt& placePlayerBolt(int slot, const Vec3& p, const Vec3& direction) {
        PlayerBolt& bolt = world->playerBolts[slot];
        bolt.setPosition(p);
        bolt.direction = direction;
        bolt.state = Active;
        bolt.hold = true;
        return bolt;
    }

    RecordingSoundBackend sounds;
    World* world = nullptr;
};

// The same with the overlay, whose menu the input code steers.
class OverlayWorldTest : public WorldTest {
protected:
    void SetUp() override { WorldTest::SetUp(); overlay = createOverlay(); }
    void TearDown() override { destroyOverlay(); WorldTest::TearDown(); }
    Overlay* overlay = nullptr;
};

// The normalized aim d with an enemy gun's scatter draws added to x, y and z in turn.
inline Vec3 scatteredAim(Vec3 d) {
    d.normalize();
    for (float* c : {&d.x, &d.y, &d.z}) *c += randUnit() * 0.01f - 0.005f;
    d.normalize();
    return d;
}

inline void expectVec(const Vec3& actual, const Vec3& expected, float tolerance = 0.0f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
