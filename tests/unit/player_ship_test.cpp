#include <algorithm>
#include <random>
#include <utility>

#include "entities/enemy_bolt.h"
#include "entities/player_ship.h"
#include "world/render_pass.h"
#include "world_fixture.h"

using PlayerShipTest = WorldTest;

TEST_F(PlayerShipTest, NinetyDegreeTurnsFromTheStartFrame) {
    PlayerShip pitched, rolled;
    pitched.pitch(90.0f);
    expectVec(pitched.forward, Vec3(0, 1, 0), 1e-6f);
    expectVec(pitched.up, Vec3(0, 0, 1), 1e-6f);
    rolled.roll(90.0f);
    expectVec(rolled.right, Vec3(0, -1, 0), 1e-6f);
    expectVec(rolled.up, Vec3(1, 0, 0), 1e-6f);
}

TEST_F(PlayerShipTest, HeldFireSendsAVolleyOfFourEveryFiveFrames) {
    keyFire = true;
    gameState = 1;
    std::vector<int> volleyFrames;
    for (int frame = 0; frame <= 11; ++frame) {
        const int before = laserShots();
        applyControls();
        world->update();
        if (laserShots() > before) volleyFrames.push_back(frame);
        // The volley's four bolts sit at the four muzzles on the frame they are fired.
        for (int i = 0; i < 4 && frame == 0; ++i) expectVec(world->playerBolts[i].position, world->player->muzzles[i]);
    }
    EXPECT_EQ(volleyFrames, (std::vector<int>{0, 5, 10}));
    EXPECT_EQ(laserShots(), 3) << "one laser cue per volley";
}

TEST_F(PlayerShipTest, DamageKillsOnTheHundredAndFirstBoltHitAndResetKeepsTheCoolDown) {
    PlayerShip& ship = *world->player;
    for (int hit = 1; hit <= 100; ++hit) ship.takeDamage(0.01f);
    EXPECT_TRUE(ship.state == Active && !world->gameOver);
    ship.takeDamage(0.01f);
    EXPECT_EQ(ship.state, Inactive);
    EXPECT_TRUE(world->gameOver);

    ship.setPosition(10, 20, 30);
    ship.roll(33.0f);
    ship.fireCooldown = 3;
    ship.reset();
    EXPECT_TRUE(ship.state == Active && ship.health == 1.0f);
    expectVec(ship.muzzles[0], Vec3(0.7f, 0.4f, 0), 1e-6f);  // the start frame again
    EXPECT_EQ(ship.fireCooldown, 3);
}

namespace {
// The ship's box in its own frame: across, up, along forward.
constexpr float kBoxMin[3] = {-0.8f, -1.0f, -1.8f};
constexpr float kBoxMax[3] = {0.8f, 1.0f, 0.9f};

// A point of the box, `inset` inside every face, with one coordinate pinned when pinnedAxis >= 0.
Vec3 boxPoint(const PlayerShip& ship, std::mt19937& random, float inset, int pinnedAxis = -1, float pinned = 0.0f) {
    float c[3];
    for (int k = 0; k < 3; ++k) c[k] = std::uniform_real_distribution<float>(kBoxMin[k] + inset, kBoxMax[k] - inset)(random);
    if (pinnedAxis >= 0) c[pinnedAxis] = pinned;
    return ship.position + ship.right * c[0] + ship.up * c[1] + ship.forward * c[2];
}

// An enemy bolt on the line through p along d, placed so that p lies anywhere
// from 16 units behind the start of its path to just short of its tip.
EnemyBolt boltThrough(const Vec3& p, Vec3 d, float along) {
    d.normalize();
    EnemyBolt bolt;
    bolt.state = Active;
    bolt.direction = d;
    bolt.position = p + d * along;
    return bolt;
}
}  // namespace

TEST(PlayerShipHull, EveryBoltThroughAFaceHitsAndEveryClearOneMisses) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    std::uniform_real_distribution<float> along(-7.0f, 32.0f);
    // The start pose, and a turned ship far out where rounding is coarser.
    PlayerShip ships[2];
    ships[1].setPosition(3171.3f, -2048.7f, 4093.9f);
    for (int i = 0; i < 20; ++i) {
        ships[1].pitch(unit(random) * 30.0f);
        ships[1].roll(unit(random) * 30.0f);
    }
    // Straight at the start pose along y: the bolt's tip reaches the face at y = -1; a bolt further back does not.
    for (const auto& [y, hit] : {std::pair{-8.5f, true}, std::pair{-9.5f, false}})
        EXPECT_EQ(ships[0].hitByBolt(boltThrough(Vec3(0, y, 0), Vec3(0, 1, 0), 0.0f)), hit) << y;
    for (const PlayerShip& ship : ships) {
        const Vec3 axes[3] = {ship.right, ship.up, ship.forward};
        int missed = 0, falseHits = 0;
        for (int n = 0; n < 6000; ++n) {
            // From a point of face n % 6 towards a point well inside the box.
            const int axis = n % 6 / 2;
            const Vec3 p = boxPoint(ship, random, 0.05f, axis, n % 2 ? kBoxMin[axis] : kBoxMax[axis]);
            missed += !ship.hitByBolt(boltThrough(p, boxPoint(ship, random, 0.1f) - p, along(random)));
        }
        for (int n = 0; n < 6000; ++n) {
            // A line in the plane 0.01 beyond the box's farthest corner along a random normal.
            Vec3 normal(unit(random), unit(random), unit(random));
            normal.normalize();
            float support = 0.0f;
            for (int k = 0; k < 3; ++k) support += std::max(kBoxMin[k] * axes[k].dot(normal), kBoxMax[k] * axes[k].dot(normal));
            Vec3 d(unit(random), unit(random), unit(random));
            Vec3 aside(unit(random), unit(random), unit(random));
            const Vec3 p = ship.position + normal * (support + 0.01f) + (aside - normal * aside.dot(normal)) * 3.0f;
            falseHits += ship.hitByBolt(boltThrough(p, d - normal * d.dot(normal), along(random)));
        }
        EXPECT_EQ(missed, 0) << "of 6000 bolts through the faces";
        EXPECT_EQ(falseHits, 0) << "of 6000 bolts clear of the hull";
    }
}
