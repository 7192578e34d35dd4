#include <gtest/gtest.h>

#include "app/options.h"
#include "game_window.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
// A look-at matrix has the view's up in its second row, minus the view
// direction in its third, and maps the eye to the origin.
void expectLooksAlong(const Vec3& eye, const Vec3& forward, const Vec3& up) {
    const double* m = savedModelview;
    EXPECT_NEAR(m[1], up.x, 1e-4);
    EXPECT_NEAR(m[5], up.y, 1e-4);
    EXPECT_NEAR(m[9], up.z, 1e-4);
    EXPECT_NEAR(m[2], -forward.x, 1e-4);
    EXPECT_NEAR(m[6], -forward.y, 1e-4);
    EXPECT_NEAR(m[10], -forward.z, 1e-4);
    for (int row = 0; row < 3; ++row) {
        const double mapped = m[row] * eye.x + m[4 + row] * eye.y + m[8 + row] * eye.z + m[12 + row];
        EXPECT_NEAR(mapped, 0.0, 1e-2) << "row " << row;
    }
}
}  // namespace

TEST(Camera, FollowsTheShipInEachOfTheThreeViews) {
    startGameForTest();
    gameState = 1;
    World* world = getWorld();
    PlayerShip& ship = *world->player;
    ship.pitch(90.0f);
    world->paused = true;  // hold the ship still: the pass still sets the camera

    setView(true);
    renderWorldPass();
    EXPECT_EQ(cameraMode, 1);
    expectLooksAlong(ship.cockpitEye(), ship.forward, ship.up);
    EXPECT_NEAR(ship.forward.y, 1.0f, 1e-6f);

    setView(false);
    renderWorldPass();
    EXPECT_EQ(cameraMode, 2);
    expectLooksAlong(ship.chaseEye(), ship.forward, ship.up);

    world->paused = false;
    ship.takeDamage(1.0f);
    renderWorldPass();
    EXPECT_EQ(cameraMode, 3);
    expectLooksAlong(ship.deathEye(), ship.forward, ship.up);

    // The projection kept for aiming is the pass's 45-degree perspective.
    EXPECT_NEAR(savedProjection[5], 1.0 / std::tan(45.0 * 3.14159265358979 / 360.0), 1e-6);
}
