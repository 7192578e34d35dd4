#pragma once
#include <gtest/gtest.h>

#include <cstdlib>

#include "entities/random.h"
#include "entities/wave_set.h"
#include "platform/recording_sound_backend.h"
#include "platform/sound_backend.h"
#include "world/world.h"

// A fresh level-1 world without images, a fixed seed and a recording sound back end.
class EnemyWorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::srand(1234);
        setSoundBackend(&recorder);
        world = createWorld(WorldImages::Skip);
    }
    void TearDown() override {
        destroyWorld();
        setSoundBackend(nullptr);
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

    RecordingSoundBackend recorder;
    World* world = nullptr;
};

// The normalized aim d with an enemy gun's scatter draws added to x, y and z in turn.
inline Vec3 scatteredAim(Vec3 d) {
    d.normalize();
    d.x += randUnit() * 0.01f - 0.005f;
    d.y += randUnit() * 0.01f - 0.005f;
    d.z += randUnit() * 0.01f - 0.005f;
    d.normalize();
    return d;
}

inline void expectVec(const Vec3& actual, const Vec3& expected, float tolerance = 0.0f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}
