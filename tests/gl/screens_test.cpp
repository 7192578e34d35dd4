#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "gfx/hud.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "state/record_news.h"
#include "world/overlay_step.h"
#include "world/world.h"
#include "world/world_options.h"
#include "test_window.h"

namespace {

constexpr int kSize = 500;
using Rgb = std::array<int, 3>;

// The back buffer, read so that (x, y) are overlay coordinates (top row first).
struct Frame {
    std::vector<std::uint8_t> pixels;
    Rgb at(int x, int y) const { const std::size_t i = (static_cast<std::size_t>(kSize - 1 - y) * kSize + x) * 3; return {pixels[i], pixels[i + 1], pixels[i + 2]}; }
    // How many pixels of the box [x0, x1) x [y0, y1) pass `test(pixel, x, y)`.
    template <typename Test>
    int count(int x0, int y0, int x1, int y1, Test test) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += test(at(x, y), x, y);
        return n;
    }
};

// A pure red (0), green (1) or blue (2) pixel.
auto pure(int c) { return [c](const Rgb& p, int, int) { return p[c] > 200 && p[(c + 1) % 3] < 40 && p[(c + 2) % 3] < 40; }; }

// A W x H viewport with the overlay's projection: y down, depth +-1000.
void overlayProjection(int width, int height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// A 500 x 500 window with the game's buffers and lights, the overlay's
// textures from the game's data folder, and a world without images.
class Screens : public ::testing::Test {
protected:
    void SetUp() override {
        if (glutGetWindow() == 0) {
            openTestWindow(kSize, kSize, GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
            glutDisplayFunc([] {});
            for (int i = 0; i < 10; ++i) glutMainLoopEvent();
        }
        world = createWorld(WorldImages::Skip);
        overlay = createOverlay();
        ASSERT_EQ(chdir(VELTRANE_DATA_DIR), 0);
        overlay->loadTextures();
        resetOptions();
        gameState = 1;
        // The light and material tracking the game keeps on while the HUD draws.
        const float origin[4] = {0.0f, 0.0f, 0.0f, 0.0f}, white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_POSITION, origin);
        for (GLenum part : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR}) glLightfv(GL_LIGHT1, part, white);
        for (GLenum cap : {GL_LIGHTING, GL_LIGHT1, GL_COLOR_MATERIAL, GL_DEPTH_TEST}) glEnable(cap);
    }
    void TearDown() override {
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        destroyOverlay();
        destroyWorld();
        setNebula(false);
        glDisable(GL_FOG);
    }

    // A cleared frame in the overlay's projection, then (unless `overlayToo` is false) the overlay pass.
    void drawFrame(bool title, float grey = 0.0f, bool overlayToo = true) {
        glClearColor(grey, grey, grey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        overlayProjection(kSize, kSize);
        if (!overlayToo) return;
        OverlayPicture picture = currentOverlayPicture(1.0f);
        picture.title = title;
        overlay->drawOverlay(kSize, kSize, picture);
        frame.pixels = readBackBuffer(kSize, kSize);
    }

    // The HUD of a 640 x 480 window in feedback mode: where each glyph starts and the box
    // (left, bottom, right, top) of each polygon, in window pixels (y up) rounded to halves.
    void drawHudForFeedback(bool title = false) {
        std::vector<GLfloat> buffer(1 << 16);
        glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
        glRenderMode(GL_FEEDBACK);
        overlayProjection(640, 480);
        if (title)
            overlay->drawTitle(640, 480, 1.0f);
        else
            overlay->drawHud(640, 480, currentOverlayPicture(1.0f));
        glyphs.clear(), boxes.clear();
        for (int i = 0, used = glRenderMode(GL_RENDER); i < used;) {
            const bool glyph = static_cast<GLenum>(buffer[i++]) == GL_BITMAP_TOKEN;
            std::array<float, 4> box = {1e9f, 1e9f, -1e9f, -1e9f};
            for (int v = 0, n = glyph ? 1 : static_cast<int>(buffer[i++]); v < n; ++v, i += 3) {
                const float x = std::round(buffer[i] * 2.0f) / 2.0f, y = std::round(buffer[i + 1] * 2.0f) / 2.0f;
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
            }
            (glyph ? glyphs : boxes).push_back(box);
        }
    }
    int glyphsFrom(float x, float y) const { return std::count_if(glyphs.begin(), glyphs.end(), [&](const auto& g) { return g[1] == y && g[0] >= x; }); }
    bool hasBox(const std::array<float, 4>& box) const { return std::find(boxes.begin(), boxes.end(), box) != boxes.end(); }

    World* world = nullptr;
    Overlay* overlay = nullptr;
    Frame frame;
    std::vector<std::array<float, 4>> glyphs, boxes;
};

TEST_F(Screens, EndTextsAndTheCrossHairSitWhereTheyShould) {
    world->gameOver = true;
    setView(false);
    pointerX = 100, pointerY = 200;
    drawHudForFeedback();
    // Glyph rows in window pixels, y up: "Game Over" from (W/2 - 49, H/2), the restart line from (W/2 - 66, H/2 + 50).
    EXPECT_EQ(glyphsFrom(271, 240), 9);
    EXPECT_EQ(glyphsFrom(254, 190), 25);
    // Both arms centred on the pointer: 1 x 30 and 30 x 1.
    EXPECT_TRUE(hasBox({99.5f, 265.0f, 100.5f, 295.0f}));
    EXPECT_TRUE(hasBox({85.0f, 279.5f, 115.0f, 280.5f}));

    setView(true);
    world->gameOver = false;
    world->won = true;
    drawHudForFeedback();
    EXPECT_FALSE(hasBox({99.5f, 265.0f, 100.5f, 295.0f})) << "no cross-hair in the cockpit view";
    EXPECT_EQ(glyphsFrom(171, 300), 37) << "the win line from (W/2 - 149, H/2 - 60)";
}

// The records' lines, centred, on rows of their own: under the title's prompt
// (H/2 + 0.4 H), between "Game Over" and its restart line, and between the
// win's restart line and the credits; none over the pause menu.
TEST_F(Screens, RecordLinesSitCentredBetweenTheOtherTexts) {
    recordNews = {"Best score 12300    Fastest win 2:05.3", true, false};
    gameState = 0;
    drawHudForFeedback(true);
    EXPECT_EQ(glyphsFrom(0, 480 - 454), 38) << "22 pixels under the prompt's row";
    EXPECT_EQ(glyphsFrom(0, 480 - 432), 25) << "the prompt";
    const auto firstAt = [&](float y) {
        float x = 1e9f;
        for (const auto& g : glyphs)
            if (g[1] == y) x = std::min(x, g[0]);
        return x;
    };
    EXPECT_NEAR(firstAt(480 - 454), 320 - 110, 25) << "centred: about 220 pixels wide";
    gameState = 1;
    world->gameOver = true;
    drawHudForFeedback();
    EXPECT_EQ(glyphsFrom(0, 240 - 25), 15) << "New best score!";
    EXPECT_GT(firstAt(240 - 25), 320 - 60);
    world->gameOver = false;
    world->won = true;
    drawHudForFeedback();
    EXPECT_EQ(glyphsFrom(0, 240 - 5), 15);
    world->paused = true;
    drawHudForFeedback();
    EXPECT_EQ(glyphsFrom(0, 240 - 5), 0);
    recordNews = RecordNews{};
}

TEST_F(Screens, PauseMenuShowsEveryItemsVariantAndBlackSpacers) {
    world->paused = true;
    setNebula(true);
    glEnable(GL_FOG);  // as the picture sets it for the nebula
    setView(false);
    overlay->menuIndex = 1;
    drawFrame(false, 0.5f);
    const Frame menu = frame;

    // The items drawn straight from the textures that should be chosen; rows 1 and 3 are black spacers.
    const int itemRow[5] = {0, 2, 4, 5, 6};
    drawFrame(false, 0.0f, false);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    for (int item = 0; item < 5; ++item) {
        glBindTexture(GL_TEXTURE_2D, overlay->menuItemTextures[item == 1 ? MenuOnSelected : MenuOff][item]);
        glLoadIdentity();
        glTranslatef(250.0f, 300.0f + 23.0f * itemRow[item], 0.0f);
        overlay->drawMenuQuad(256.0f, 23.0f);
    }
    glDisable(GL_TEXTURE_2D);
    frame.pixels = readBackBuffer(kSize, kSize);
    const auto differs = [&](const Rgb& p, int x, int y) { return p != frame.at(x, y); };
    for (int row = 0; row < 7; ++row) EXPECT_EQ(menu.count(122, 290 + 23 * row, 378, 311 + 23 * row, differs), 0) << row;
}

// A quarter of the health bar in green (blue when invincible), the rest red; the title screen
// shows its ship and leaves the game's lights as they were.
TEST_F(Screens, HealthBarShowsItsShareAndTheTitleLeavesTheGameLightsAlone) {
    world->player->health = 0.25f;
    for (bool invincible : {false, true}) {
        world->player->invincible = invincible;
        drawFrame(false);
        EXPECT_EQ(frame.count(80, kSize - 17, 105, kSize - 16, pure(invincible ? 2 : 1)), 25) << invincible;
        EXPECT_EQ(frame.count(105, kSize - 17, 180, kSize - 16, pure(0)), 75) << invincible;
    }
    gameState = 0;
    drawFrame(true);
    EXPECT_GT(frame.count(100, 150, 400, 400, [](const Rgb& p, int, int) { return p[0] + p[1] + p[2] > 60; }), 5000) << "the ship and its floor";
    for (GLenum cap : {GL_LIGHT3, GL_STENCIL_TEST, GL_CLIP_PLANE0, GL_BLEND}) EXPECT_FALSE(glIsEnabled(cap)) << cap;
    for (GLenum cap : {GL_LIGHT1, GL_LIGHTING, GL_DEPTH_TEST}) EXPECT_TRUE(glIsEnabled(cap)) << cap;
}

}  // namespace
