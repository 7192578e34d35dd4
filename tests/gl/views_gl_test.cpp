#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/input.h"
#include "game_window.h"
#include "state/options.h"
#include "test_window.h"
#include "world/command_queue.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
constexpr int kSize = 500;

// The world's half of a tick, then its picture at fraction 1.
void renderWorldPass() {
    getWorld()->rememberPlaces();
    stepWorldPass();
    glViewport(0, 0, kSize, kSize);
    renderViewportWidth = renderViewportHeight = kSize;
    drawWorldView(currentWorldPicture(1.0f));
}

// A look-at matrix has the view's up in its second row, minus the view
// direction in its third, and maps the eye to the origin.
void expectLooksAlong(const Vec3& eye, const Vec3& forward, const Vec3& up) {
    const double* m = lastPictureView.modelview;
    const float u[3] = {up.x, up.y, up.z}, f[3] = {forward.x, forward.y, forward.z};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(m[4 * i + 1], u[i], 1e-4) << i;
        EXPECT_NEAR(m[4 * i + 2], -f[i], 1e-4) << i;
        EXPECT_NEAR(m[i] * eye.x + m[4 + i] * eye.y + m[8 + i] * eye.z + m[12 + i], 0.0, 1e-2) << "row " << i;
    }
}

// One frame of the world from the ship's current pose, as the brightest channel of each pixel (rows bottom-up).
std::vector<int> renderWorld() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    renderWorldPass();
    const std::vector<std::uint8_t> rgb = readBackBuffer(kSize, kSize);
    std::vector<int> value(kSize * kSize);
    for (std::size_t i = 0; i < value.size(); ++i) value[i] = std::max({rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]});
    return value;
}
}  // namespace

// In the chase view a click fires one bolt that leaves from the near plane and whose every
// point projects onto the clicked pixel; then the camera follows the ship in each of the three views.
TEST(Camera, ChaseViewClickFiresOneBoltAlongThePointersRayAndTheCameraFollowsTheShip) {
    startGameForTest();
    gameState = 1;
    setView(false);
    World* world = getWorld();
    PlayerShip& ship = *world->player;
    ship.roll(30.0f);
    renderWorldPass();
    ASSERT_EQ(cameraMode, 2);
    const int slot = world->nextPlayerBolt;
    ASSERT_TRUE(handleMouseButton(true, true, 120, 340));
    EXPECT_EQ(world->nextPlayerBolt, slot) << "the shot waits for the next tick";
    applyQueuedCommands();
    EXPECT_EQ(world->nextPlayerBolt, slot + 1);
    const PlayerBolt& bolt = world->playerBolts[slot];
    const GLint viewport[4] = {0, 0, kSize, kSize};
    for (float along : {0.0f, 100.0f, 3000.0f}) {
        const Vec3 p = bolt.position + bolt.direction * along;
        double x = 0, y = 0, z = 0;
        gluProject(p.x, p.y, p.z, lastPictureView.modelview, lastPictureView.projection, viewport, &x, &y, &z);
        EXPECT_NEAR(x, 120.0, 0.05) << along;
        EXPECT_NEAR(y, 500.0 - 340.0, 0.05) << along;
        if (along == 0.0f) { EXPECT_NEAR(z, 0.0, 1e-4) << "starts on the near plane"; }
    }

    ship.pitch(90.0f);
    world->paused = true;  // hold the ship still: the pass still sets the camera
    for (int mode = 1; mode <= 3; ++mode) {  // cockpit, chase, then the dead ship's
        setView(mode == 1);
        if (mode == 3) {
            world->paused = false;
            ship.takeDamage(1.0f);
        }
        renderWorldPass();
        EXPECT_EQ(cameraMode, mode);
        expectLooksAlong(mode == 1 ? ship.cockpitEye() : mode == 2 ? ship.chaseEye() : ship.deathEye(), ship.forward, ship.up);
    }
}

TEST(StartView, StarFieldOnEverySideAndTheShipInTheChaseView) {
    startGameForTest();
    gameState = 1;
    setView(false);
    getWorld()->paused = true;  // hold the ship at the start position; the pass still draws
    PlayerShip& ship = *getWorld()->player;

    // Roll, then pitch, from the start pose: front, back, up, down, left, right. A star is
    // brighter than the pixel to its left and the one below by a clear margin; ahead and
    // behind, the level's blocks hide much of the sky.
    const float turns[6][2] = {{0, 0}, {0, 180}, {0, 90}, {0, -90}, {-90, 90}, {90, 90}};
    for (const auto& [roll, pitch] : turns) {
        ship.reset();
        ship.roll(roll);
        ship.pitch(pitch);
        const std::vector<int> v = renderWorld();
        int stars = 0;
        for (int i = kSize + 1; i < kSize * kSize; ++i) stars += v[i] > 120 && v[i] > v[i - 1] + 40 && v[i] > v[i - kSize] + 40;
        EXPECT_GT(stars, 10) << "roll " << roll << " pitch " << pitch;
    }

    // The ship sits below the centre of the chase view (rows count from the bottom).
    ship.reset();
    const std::vector<int> withShip = renderWorld();
    ship.state = Inactive;
    const std::vector<int> withoutShip = renderWorld();
    int shipPixels = 0;
    for (int y = 70; y < 170; ++y)
        for (int x = 190; x < 310; ++x) shipPixels += std::abs(withShip[y * kSize + x] - withoutShip[y * kSize + x]) > 20;
    EXPECT_GT(shipPixels, 150);
}
