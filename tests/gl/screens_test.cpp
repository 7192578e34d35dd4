#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/input.h"
#include "app/options.h"
#include "app/overlay.h"
#include "gfx/hud.h"
#include "gfx/ppm_image.h"
#include "gfx/title_screen.h"
#include "world/world.h"

namespace {

constexpr int kSize = 500;
using Rgb = std::array<int, 3>;

// The back buffer, read top row first so (x, y) are overlay coordinates.
class Frame {
public:
    void grab() {
        pixels.assign(static_cast<std::size_t>(kSize) * kSize * 3, 0);
        glFinish();
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
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
    // The leftmost column of the box holding a pixel brighter than `level`, or -1.
    int leftmostBright(int x0, int y0, int x1, int y1, int level) const {
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y) {
                const Rgb p = at(x, y);
                if (p[0] + p[1] + p[2] > level) return x;
            }
        return -1;
    }

private:
    std::vector<std::uint8_t> pixels;
};

bool isRed(const Rgb& p) { return p[0] > 200 && p[1] < 40 && p[2] < 40; }
bool isGreen(const Rgb& p) { return p[1] > 200 && p[0] < 40 && p[2] < 40; }
bool isBlue(const Rgb& p) { return p[2] > 200 && p[0] < 40 && p[1] < 40; }
bool isBlack(const Rgb& p) { return p[0] < 4 && p[1] < 4 && p[2] < 4; }

// A 500 x 500 window with the game's buffers and lights, the overlay's
// textures from the game's data folder, and a world without images.
class Screens : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static bool ready = false;
        if (ready) return;
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
        ready = true;
    }

    void SetUp() override {
        std::srand(99);
        world = createWorld(WorldImages::Skip);
        world->update();  // counts the enemies
        overlay = createOverlay();
        ASSERT_EQ(chdir(VELTRANE_DATA_DIR), 0);
        overlay->loadTextures();
        resetOptions();
        resetInput();
        gameState = 1;
        setGameLights();
    }
    void TearDown() override {
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        destroyOverlay();
        destroyWorld();
        setNebula(false);
        resetOptions();
        resetInput();
    }

    // The lights and material tracking the game keeps on while the HUD draws.
    static void setGameLights() {
        const float origin[4] = {0.0f, 0.0f, 0.0f, 0.0f};
        const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        glLightfv(GL_LIGHT1, GL_POSITION, origin);
        glLightfv(GL_LIGHT1, GL_AMBIENT, white);
        glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
        glLightfv(GL_LIGHT1, GL_SPECULAR, white);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, origin);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT1);
        glEnable(GL_COLOR_MATERIAL);
        glEnable(GL_DEPTH_TEST);
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        glClearStencil(0);
    }

    // The overlay pass as a frame of the game runs it, on a cleared frame.
    void drawFrame(bool title, float grey = 0.0f) {
        glViewport(0, 0, kSize, kSize);
        glClearColor(grey, grey, grey, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, kSize, kSize, 0, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
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
    // The bar's height: y from H - 27.5 to H - 7.5 covers rows 473 to 492.
    EXPECT_EQ(frame.count(90, 470, 91, 496, isGreen), 20);
    EXPECT_TRUE(isGreen(frame.at(90, 473)));
    EXPECT_TRUE(isGreen(frame.at(90, 492)));

    world->player->invincible = true;
    drawFrame(false);
    EXPECT_EQ(frame.count(80, y, 105, y + 1, isBlue), 25);
    EXPECT_EQ(frame.count(80, 470, 180, 496, isGreen), 0);
}

TEST_F(Screens, TextsStartAtTheirPlaces) {
    world->gameOver = true;
    drawFrame(false);
    // Bitmap glyphs may start a pixel or two right of the raster position.
    const auto startsAt = [&](int x, int y0, int y1) {
        const int left = frame.leftmostBright(x - 10, y0, x + 20, y1, 600);
        EXPECT_GE(left, x);
        EXPECT_LE(left, x + 2);
    };
    startsAt(16, 10, 26);    // "Score: 0"
    startsAt(386, 9, 21);    // "Enemies Left: 124"
    startsAt(201, 236, 251); // "Game Over"
    startsAt(184, 290, 301); // "Press 'r' to restart game"
    startsAt(16, 476, 491);  // "Health: "
    // The score text is "Score: 0", no wider than about 70 pixels.
    EXPECT_EQ(frame.count(90, 5, 200, 30, [](const Rgb& p) { return p[0] > 200; }), 0);
    world->score = 1234567;
    drawFrame(false);
    EXPECT_GT(frame.count(90, 5, 200, 30, [](const Rgb& p) { return p[0] > 200; }), 0)
        << "a longer score grows to the right";
}

TEST_F(Screens, PauseMenuShowsEveryItemsVariantAndBlackSpacers) {
    world->paused = true;
    setNebula(true);
    setView(false);
    overlay->menuIndex = 1;
    drawFrame(false, 0.5f);
    Frame menu = frame;

    // The same rows drawn straight from the textures that should be chosen.
    const int rowItem[7] = {0, -1, 1, -1, 2, 3, 4};
    const int variant[5] = {MenuOff, MenuOnSelected, MenuOff, MenuOff, MenuOff};
    glViewport(0, 0, kSize, kSize);
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
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
        if (rowItem[row] < 0) {
            EXPECT_EQ(menu.count(122, top + 1, 378, top + 22, isBlack), 256 * 21) << "spacer";
        } else {
            int differ = 0;
            for (int y = top + 1; y < top + 22; ++y)
                for (int x = 122; x < 378; ++x) differ += menu.at(x, y) != frame.at(x, y);
            EXPECT_EQ(differ, 0);
        }
        // Nothing of the row outside its 256 pixels.
        EXPECT_EQ(menu.at(121, top + 11), (Rgb{128, 128, 128}));
        EXPECT_EQ(menu.at(378, top + 11), (Rgb{128, 128, 128}));
    }
    // The selected row is the bright one.
    const auto bright = [](const Rgb& p) { return p[0] > 200 && p[1] > 120; };
    EXPECT_GT(menu.count(122, 335, 378, 356, bright), 256 * 10);
    EXPECT_EQ(menu.count(122, 289, 378, 310, bright), 0);
    // "Pause" above the menu.
    EXPECT_GT(menu.count(231, 236, 280, 251, [](const Rgb& p) { return p[0] > 240 && p[1] > 240; }), 20);
}

TEST_F(Screens, CreditsScrollWhileWonAndTheMenuClosesOnItsFirstItem) {
    world->won = true;
    overlay->menuIndex = 3;
    drawFrame(false);
    EXPECT_EQ(overlay->menuIndex, 0);
    EXPECT_FLOAT_EQ(overlay->creditScroll, overlay->creditScrollStep);
    // The credits window, 300 x 150 around (250, 350), shows the credit image.
    EXPECT_GT(frame.count(100, 275, 400, 425, [](const Rgb& p) { return !isBlack(p); }), 500);
    EXPECT_EQ(frame.count(60, 275, 99, 425, [](const Rgb& p) { return !isBlack(p); }), 0);
    EXPECT_GE(frame.leftmostBright(90, 176, 200, 191, 600), 101);
    EXPECT_LE(frame.leftmostBright(90, 176, 200, 191, 600), 103);

    world->won = false;
    drawFrame(false);
    EXPECT_EQ(overlay->creditScroll, 0.0f);
    EXPECT_EQ(frame.count(100, 275, 400, 425, [](const Rgb& p) { return !isBlack(p); }), 0);
}

TEST_F(Screens, CrossHairSitsUnderThePointerInTheChaseViewOnly) {
    pointerX = 200;
    pointerY = 150;
    drawFrame(false);
    EXPECT_EQ(frame.count(150, 100, 250, 200, isRed), 0) << "cockpit view";

    setView(false);
    drawFrame(false);
    EXPECT_EQ(frame.count(200, 135, 201, 165, isRed), 30);
    EXPECT_EQ(frame.count(185, 150, 215, 151, isRed), 30);
    EXPECT_EQ(frame.count(150, 100, 250, 200, isRed), 59);
}

TEST_F(Screens, MenuTexturesHoldTheirFilesInOrder) {
    glEnable(GL_TEXTURE_2D);
    for (int variant = 0; variant < 4; ++variant)
        for (int item = 0; item < 5; ++item) {
            char name[32];
            menuFileName(variant, item, name, sizeof name);
            SCOPED_TRACE(name);
            const PpmImage image(name);
            ASSERT_FALSE(image.empty());
            glBindTexture(GL_TEXTURE_2D, overlay->menuItemTextures[variant][item]);
            GLint width = 0, height = 0;
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
            ASSERT_EQ(width, image.width);
            ASSERT_EQ(height, image.height);
            std::vector<std::uint8_t> texels(image.pixels.size());
            glPixelStorei(GL_PACK_ALIGNMENT, 1);
            glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
            glPixelStorei(GL_PACK_ALIGNMENT, 4);
            EXPECT_EQ(texels, image.pixels);
        }
    glDisable(GL_TEXTURE_2D);
}

TEST_F(Screens, TitleScreenShowsThePromptAndLeavesTheGameLightsAlone) {
    gameState = 0;
    drawFrame(true);
    EXPECT_EQ(overlay->hue, 0.5f);
    // "Press 'Spacebar' to begin" starts at (151, 450), its baseline.
    const int left = frame.leftmostBright(120, 436, 300, 451, 60);
    EXPECT_GE(left, 151);
    EXPECT_LE(left, 153);
    EXPECT_GT(frame.count(151, 436, 340, 451, [](const Rgb& p) { return !isBlack(p); }), 150);
    // The ship and its floor are drawn in the middle of the window.
    EXPECT_GT(frame.count(100, 150, 400, 400, [](const Rgb& p) { return !isBlack(p); }), 5000);

    EXPECT_FALSE(glIsEnabled(GL_LIGHT3));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE0));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

}  // namespace
