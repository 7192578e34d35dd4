// Pictures are a view of the game: they change nothing a tick owns and take
// no random number, however many are drawn and at whatever fraction of the
// step; at fraction 1 a picture shows the tick's own state, to the pixel,
// whatever the tick before left.
#include <gtest/gtest.h>

#include "frame_scenes.h"
#include "game_window.h"
#include "world/state_hash.h"
#include "test_window.h"

namespace {
constexpr int kSize = 500;

class Pictures : public ::testing::TestWithParam<FrameScene> {
protected:
    static void SetUpTestSuite() { startGameForTest(); }
};

std::vector<std::uint8_t> pictureAt(FrameScene scene, float fraction) {
    drawSceneFrame(scene, kSize, kSize, fraction);
    std::vector<std::uint8_t> rgb = readBackBuffer(kSize, kSize);
    glutSwapBuffers();
    return rgb;
}

// Every place the last tick left, moved far off.
void scramblePreviousPlaces(World& world, Overlay& overlay) {
    const Vec3 far(1234.0f, -987.0f, 555.0f);
    for (ShipModel* ship : {static_cast<ShipModel*>(world.player.get()), static_cast<ShipModel*>(overlay.titleShip.get())}) {
        ship->previousFrame.position = ship->position + far;
        ship->previousFrame.forward = ship->up;
        ship->previousFrame.up = ship->forward * -1.0f;
    }
    for (Bolt& bolt : world.playerBolts) bolt.previousPosition = bolt.position + far;
    for (Bolt& bolt : world.enemyBolts) bolt.previousPosition = bolt.position + far;
    for (Explosion& explosion : world.explosions)
        for (auto& particle : explosion.particles) particle->previousPosition = particle->position + far;
    for (EngineTrail& trail : world.trails)
        for (Particle& particle : trail.particles) particle.previousPosition = particle.position + far;
    for (auto& block : world.waves->blocks)
        for (Turret& turret : block->turrets) turret.previousAim = turret.aim * -1.0f;
}
}  // namespace

TEST_P(Pictures, ChangeNothingAndAtFractionOneShowTheTickItself) {
    const FrameScene scene = GetParam();
    setUpScene(scene);
    World& world = *getWorld();
    Overlay& overlay = *getOverlay();
    pictureAt(scene, 1.0f);  // first-use costs and the GL state a picture leaves
    const std::uint64_t before = tickStateHash(world, overlay);
    const GameRandomState randomBefore = gameRandomState();
    const std::vector<std::uint8_t> atOne = pictureAt(scene, 1.0f);
    for (const float fraction : {0.0f, 0.5f, 0.75f}) pictureAt(scene, fraction);
    EXPECT_TRUE(gameRandomState() == randomBefore) << "a picture took a random number";
    EXPECT_EQ(tickStateHash(world, overlay), before) << "a picture changed the game";

    scramblePreviousPlaces(world, overlay);
    EXPECT_TRUE(pictureAt(scene, 1.0f) == atOne) << "the picture at fraction 1 used the tick before";
}

INSTANTIATE_TEST_SUITE_P(Scenes, Pictures,
                         ::testing::Values(FrameScene::Cockpit, FrameScene::ChaseGlow, FrameScene::Explosions,
                                           FrameScene::EnemyBolts, FrameScene::Title),
                         [](const auto& info) { return std::string(frameSceneName(info.param)); });
