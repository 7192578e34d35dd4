#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "app/input.h"
#include "app/options.h"
#include "app/overlay.h"
#include "gfx/hud.h"
#include "world/world.h"

namespace {

constexpr int kSize = 500;
using Rgb = std::array<int, 3>;

// The back buffer, read so that (x, y) are overlay coordinates (top row first).
struct Frame {
    std::vector<std::uint8_t> pixels;
    void grab() {
        pixels.assign(static_cast<std::size_t>(kSize) * kSize * 3, 0);
        glFinish();
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    }
    Rgb at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(kSize - 1 - y) * kSize + x) * 3;
        return {pixels[i], pixels[i + 1], pixels[i + 2]};
    }
    // How many pixels of the box [x0, x1) x [y0, y1) satisfy `test`.
    template <typename Test>
    int count(int x0, int y0, int x1, int y1, Test test) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += test(at(x, y)) ? 1 : 0;
        return n;
    }
};

bool isRed(const Rgb& p) { return p[0] > 200 && p[1] < 40 && p[2] < 40; }
bool isGreen(const Rgb& p) { return p[1] > 200 && p[0] < 40 && p[2] < 40; }
bool isBlue(const Rgb& p) { return p[2] > 200 && p[0] < 40 && p[1] < 40; }

// A 500 x 500 window with the game's buffers and lights, the overlay's
// textures from the game's data folder, and a world without images.
class Screens : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (glutGet(GLUT_INIT_STATE) == 0) {
            int argc = 1;
            char name[] = "gl_tests";
            char* argv[] = {name, nullptr};
            glutInit(&argc, argv);
        }
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
        glutInitWindowSize(kSize, kSize);
        glutInitWindowPosition(0, 0);
        glutCreateWindow("screens_test");
        glutDisplayFunc([] {});
        for (int i = 0; i < 10; ++i) glutMainLoopEvent();
    }

    void SetUp() override {
        std::srand(99);
        world = createWorld(WorldImages::Skip);
        overlay = createOverlay();
        ASSERT_EQ(chdir(VELTRANE_DATA_DIR), 0);
        overlay->loadTextures();
        resetOptions();
        resetInput();
        gameState = 1;
        // The lights and material tracking the game keeps on while the HUD draws.
        const float origin[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_POSITION, origin);
        for (GLenum part : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR}) glLightfv(GL_LIGHT1, part, white);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, origin);
        for (GLenum cap : {GL_LIGHTING, GL_LIGHT1, GL_COLOR_MATERIAL, GL_DEPTH_TEST}) glEnable(cap);
    }
    void TearDown() override {
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        destroyOverlay();
        destroyWorld();
        setNebula(false);
    }

    // A cleared frame in the overlay's projection; then the overlay pass as the game runs it.
    void clearFrame(float grey) {
        glViewport(0, 0, kSize, kSize);
        glClearColor(grey, grey, grey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kSize, kSize, 0, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    void drawFrame(bool title, float grey = 0.0f) {
        clearFrame(grey);
        overlay->drawOverlay(kSize, kSize, title);
        frame.grab();
    }

    World* world = nullptr;
    Overlay* overlay = nullptr;
    Frame frame;
};

TEST_F(Screens, HealthBarShowsAQuarterInGreenOrBlueOverRed) {
    world->player->health = 0.25f;
    drawFrame(false);
    const int y = kSize - 17;
    EXPECT_EQ(frame.count(80, y, 105, y + 1, isGreen), 25);
    EXPECT_EQ(frame.count(105, y, 180, y + 1, isRed), 75);
    EXPECT_FALSE(isRed(frame.at(79, y)));
    EXPECT_FALSE(isRed(frame.at(180, y)));
    EXPECT_EQ(frame.count(90, 470, 91, 496, isGreen), 20) << "rows 473 to 492";

    world->player->invincible = true;
    drawFrame(false);
    EXPECT_EQ(frame.count(80, y, 105, y + 1, isBlue), 25);
    EXPECT_EQ(frame.count(80, 470, 180, 496, isGreen), 0);
}

TEST_F(Screens, PauseMenuShowsEveryItemsVariantAndBlackSpacers) {
    world->paused = true;
    setNebula(true);
    setView(false);
    overlay->menuIndex = 1;
    drawFrame(false, 0.5f);
    const Frame menu = frame;

    // The same rows drawn straight from the textures that should be chosen, the spacers left black.
    const int rowItem[7] = {0, -1, 1, -1, 2, 3, 4};
    const int variant[5] = {MenuOff, MenuOnSelected, MenuOff, MenuOff, MenuOff};
    clearFrame(0.0f);
    glEnable(GL_TEXTURE_2D);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    for (int row = 0; row < 7; ++row) {
        if (rowItem[row] < 0) continue;
        glBindTexture(GL_TEXTURE_2D, overlay->menuItemTextures[variant[rowItem[row]]][rowItem[row]]);
        glLoadIdentity();
        glTranslatef(250.0f, 300.0f + 23.0f * row, 0.0f);
        overlay->drawMenuQuad(256.0f, 23.0f);
    }
    glDisable(GL_TEXTURE_2D);
    frame.grab();

    for (int row = 0; row < 7; ++row) {
        SCOPED_TRACE(row);
        const int top = 300 + 23 * row - 11;
        int differ = 0;
        for (int y = top + 1; y < top + 22; ++y)
            for (int x = 122; x < 378; ++x) differ += menu.at(x, y) != frame.at(x, y);
        EXPECT_EQ(differ, 0);
        EXPECT_EQ(menu.at(121, top + 11), (Rgb{128, 128, 128})) << "nothing of the row outside its 256 pixels";
        EXPECT_EQ(menu.at(378, top + 11), (Rgb{128, 128, 128}));
    }
}

TEST_F(Screens, TitleScreenShowsThePromptAndLeavesTheGameLightsAlone) {
    gameState = 0;
    drawFrame(true);
    EXPECT_EQ(overlay->hue, 0.5f);
    // "Press 'Spacebar' to begin" starts at (151, 450), its baseline; glyphs may start up to 2 pixels right.
    const auto notBlack = [](const Rgb& p) { return p[0] >= 4 || p[1] >= 4 || p[2] >= 4; };
    const auto dim = [](const Rgb& p) { return p[0] + p[1] + p[2] <= 60; };
    EXPECT_EQ(frame.count(120, 436, 151, 451, dim), 31 * 15);
    EXPECT_LT(frame.count(151, 436, 154, 451, dim), 3 * 15);
    EXPECT_GT(frame.count(151, 436, 340, 451, notBlack), 150);
    EXPECT_GT(frame.count(100, 150, 400, 400, notBlack), 5000) << "the ship and its floor";

    for (GLenum cap : {GL_LIGHT3, GL_STENCIL_TEST, GL_CLIP_PLANE0, GL_BLEND}) EXPECT_FALSE(glIsEnabled(cap)) << cap;
    for (GLenum cap : {GL_LIGHT1, GL_LIGHTING, GL_DEPTH_TEST}) EXPECT_TRUE(glIsEnabled(cap)) << cap;
}

}  // namespace
