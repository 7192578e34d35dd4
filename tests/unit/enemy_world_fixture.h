#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "entities/wave_set.h"
#include "platform/recording_sound_backend.h"
#include "platform/sound_backend.h"
#include "world/world.h"

// A fresh level-1 world without images, a fixed random seed and a recording
// sound back end, for the enemy, level and combat-rule tests.
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

    WaveSet& waves() { return *world->waves; }
    TurretBlock& block(int i) { return *world->waves->blocks[i]; }
    CapitalShip& ship(int i) { return *world->waves->capitalShips[i]; }

    // Puts a player bolt at p, held there for the next step.
    PlayerBolt& placePlayerBolt(int slot, const Vec3& p, const Vec3& direction) {
        PlayerBolt& bolt = world->playerBolts[slot];
        bolt.setPosition(p);
        bolt.direction = direction;
        bolt.state = Active;
        bolt.hold = true;
        return bolt;
    }

    int countEntries(const std::string& text) const {
        int n = 0;
        for (const std::string& entry : recorder.entries()) n += entry == text ? 1 : 0;
        return n;
    }

    RecordingSoundBackend recorder;
    World* world = nullptr;
};
