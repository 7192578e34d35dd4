#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/options.h"
#include "game_window.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
constexpr int kSize = 500;

struct Frame {
    std::vector<unsigned char> rgb;
    const unsigned char* at(int x, int y) const { return &rgb[(y * kSize + x) * 3]; }
};

// Draws one frame of the world from the ship's current pose and reads it back
// (rows bottom-up, as the GL stores them).
Frame renderWorld() {
    glViewport(0, 0, kSize, kSize);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    renderWorldPass();
    glFinish();
    Frame frame;
    frame.rgb.resize(kSize * kSize * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, frame.rgb.data());
    return frame;
}

// Keeps a PNG of the view for people to look at, next to the other screenshots.
void save(const Frame& frame, const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(VELTRANE_BINARY_DIR) / "e2e-shots";
    std::filesystem::create_directories(dir);
    const std::string ppm = (dir / (name + ".ppm")).string();
    FILE* out = std::fopen(ppm.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    std::fprintf(out, "P6\n%d %d\n255\n", kSize, kSize);
    for (int y = kSize - 1; y >= 0; --y) std::fwrite(frame.at(0, y), 3, kSize, out);
    std::fclose(out);
    const std::string png = (dir / (name + ".png")).string();
    if (std::system(("convert " + ppm + " " + png + " 2>/dev/null").c_str()) == 0) {
        std::filesystem::remove(ppm);
    }
}

int countStars(const Frame& frame) {
    int stars = 0;
    for (int y = 1; y < kSize - 1; ++y) {
        for (int x = 1; x < kSize - 1; ++x) {
            const unsigned char* p = frame.at(x, y);
            const int value = std::max({p[0], p[1], p[2]});
            // A star: brighter than the pixel to its left and below it by a clear margin.
            const int left = std::max({frame.at(x - 1, y)[0], frame.at(x - 1, y)[1], frame.at(x - 1, y)[2]});
            const int below = std::max({frame.at(x, y - 1)[0], frame.at(x, y - 1)[1], frame.at(x, y - 1)[2]});
            if (value > 120 && value > left + 40 && value > below + 40) ++stars;
        }
    }
    return stars;
}

// Turns a fresh ship to look along one of the six axes.
void face(PlayerShip& ship, const char* side) {
    ship.reset();
    const std::string s = side;
    if (s == "back") ship.pitch(180.0f);
    if (s == "up") ship.pitch(90.0f);
    if (s == "down") ship.pitch(-90.0f);
    if (s == "right") {
        ship.roll(90.0f);
        ship.pitch(90.0f);
    }
    if (s == "left") {
        ship.roll(-90.0f);
        ship.pitch(90.0f);
    }
}
}  // namespace

TEST(StartView, StarFieldOnEverySideAndTheShipInTheChaseView) {
    startGameForTest();
    gameState = 1;
    setView(false);
    World* world = getWorld();
    world->paused = true;  // hold the ship at the start position; the pass still draws
    PlayerShip& ship = *world->player;

    for (const char* side : {"front", "back", "up", "down", "left", "right"}) {
        face(ship, side);
        const Frame withShip = renderWorld();
        save(withShip, std::string("start_view_") + side);
        // Ahead and behind, the level's blocks hide much of the sky.
        EXPECT_GT(countStars(withShip), 10) << side;

        // The ship sits below the centre of the chase view (rows count from the bottom).
        ship.state = Inactive;
        const Frame withoutShip = renderWorld();
        ship.state = Active;
        int shipPixels = 0;
        for (int y = 70; y < 170; ++y) {
            for (int x = 190; x < 310; ++x) {
                const unsigned char* a = withShip.at(x, y);
                const unsigned char* b = withoutShip.at(x, y);
                shipPixels += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]) > 30;
            }
        }
        EXPECT_GT(shipPixels, 150) << side;
    }
}
