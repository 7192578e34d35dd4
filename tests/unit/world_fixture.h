#pragma once
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/input.h"
#include "app/options.h"
#include "platform/recording_sound_backend.h"
#include "platform/sound_backend.h"
#include "world/world.h"

// A fresh world without images, a seeded generator and a sound back end that
// records every cue, for every test.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::srand(1234);
        setSoundBackend(&sounds);
        world = createWorld(WorldImages::Skip);
        resetOptions();
        resetInput();
    }
    void TearDown() override {
        destroyWorld();
        setSoundBackend(nullptr);
    }

    int laserShots() const {
        int count = 0;
        for (const auto& entry : sounds.entries()) count += entry.rfind("laser:", 0) == 0;
        return count;
    }
    int activePlayerBolts() const {
        int count = 0;
        for (const auto& bolt : world->playerBolts) count += bolt.state == Active;
        return count;
    }

    RecordingSoundBackend sounds;
    World* world = nullptr;
};
