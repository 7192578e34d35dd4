#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "game_window.h"
#include "state/options.h"
#include "test_window.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
constexpr int kSize = 500;

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
