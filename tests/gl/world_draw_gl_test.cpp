#include <GL/glu.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <tuple>

#include "entities/turret_block.h"
#include "entities/wave_set.h"
#include "gfx/skybox.h"
#include "platform/gl_multitexture.h"
#include "state/options.h"
#include "world/world.h"
#include "world/world_options.h"
#include "test_window.h"

namespace {

constexpr int kSize = 128;

GLint textureMode() { GLint mode = 0; glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode); return mode; }

// A window, the game's data folder and a fresh world without sky images.
class WorldDrawGl : public ::testing::Test {
protected:
    void SetUp() override {
        if (glutGetWindow() == 0) openTestWindow(kSize, kSize);
        ASSERT_EQ(chdir(VELTRANE_DATA_DIR), 0);
        world = createWorld(WorldImages::Skip);
        resetOptions();
    }
    void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); destroyWorld(); }

    // A cleared, unlit frame looking along (dx, dy, dz) from `back` units behind the origin.
    static void look(float dx, float dy, float dz, float back = 0.0f, double fieldOfView = 90.0) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(fieldOfView, 1.0, 1.0, 10000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(-dx * back, -dy * back, -dz * back, dx * (1 - back), dy * (1 - back), dz * (1 - back), 0.0, dy == 0, dy != 0);
        for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING}) glDisable(cap);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    World* world = nullptr;
};

}  // namespace

TEST_F(WorldDrawGl, BlocksDrawOnBothPathsLeaveOneUnitActiveAndUploadTheirCounter) {
    TurretBlock block;
    block.bumpMapped = true;
    block.armed = false;
    block.loadTextures();
    ASSERT_TRUE(glmt::multitextureAvailable()) << "Mesa offers both extensions";
    for (bool forced : {false, true}) {
        glmt::forceMultitextureFallback(forced);
        const auto entryPoints = std::make_tuple(glmt::glActiveTextureARB, glmt::glMultiTexCoord2fARB);
        if (forced) glmt::glActiveTextureARB = nullptr, glmt::glMultiTexCoord2fARB = nullptr;  // the one-unit path must not need them
        look(0, 0, -1, 1000.0f, 45.0);  // the origin from 1000 units away
        block.draw();
        std::tie(glmt::glActiveTextureARB, glmt::glMultiTexCoord2fARB) = entryPoints;
        // The 400-unit cube seen from 1000 units covers the middle 40 x 40 pixels: none is black.
        std::vector<std::uint8_t> middle(40 * 40);
        glReadPixels(44, 44, 40, 40, GL_LUMINANCE, GL_UNSIGNED_BYTE, middle.data());
        EXPECT_EQ(std::count(middle.begin(), middle.end(), 0), 0) << "fallback forced: " << forced;
        GLint active = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &active);
        EXPECT_EQ(active, GL_TEXTURE0_ARB) << forced;
        for (GLenum unit : {GL_TEXTURE1_ARB, GL_TEXTURE0_ARB}) {  // ends on unit 0
            glmt::glActiveTextureARB(unit);
            EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "texturing left on for unit " << unit;
        }
        if (forced) { EXPECT_EQ(textureMode(), GL_MODULATE); }
    }
    glmt::forceMultitextureFallback(false);

    // A counter block's image changes with each hit; the next draw must upload it.
    TurretBlock& counter = *world->waves->blocks[20];
    for (int i = 0; i < 5; ++i) counter.countHit();
    world->update();
    counter.draw();
    counter.countHit();
    world->update();
    counter.draw();
    std::vector<std::uint8_t> texels(8 * 8 * 4);
    glBindTexture(GL_TEXTURE_2D, counter.counterTexture);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels, std::vector<std::uint8_t>(counter.counterImage, counter.counterImage + 256));
}

// Each view shows one wall; the touched walls show their glowing image for one frame only.
TEST_F(WorldDrawGl, SkyLightsExactlyTheTouchedWallsForOneFrame) {
    Skybox& sky = *world->skybox;
    GLuint names[2];
    glGenTextures(2, names);
    const std::uint8_t texels[2][3] = {{40, 40, 40}, {0, 250, 250}};  // plain, touched
    for (int i = 0; i < 2; ++i) {
        glBindTexture(GL_TEXTURE_2D, names[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 1, 1, 0, GL_RGB, GL_UNSIGNED_BYTE, texels[i]);
        for (int face = 0; face < Skybox::kFaceCount; ++face) (i ? sky.touchedFaceTextures : sky.faceTextures)[face] = names[i];
    }
    // Wall order: +y, -y, +x, -x, +z, -z.
    const float along[Skybox::kFaceCount][3] = {{0, 1, 0}, {0, -1, 0}, {1, 0, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, -1}};
    for (int view = 0; view < 2 * Skybox::kFaceCount; ++view) {
        const int wall = view / 2, frame = view % 2;  // the second frame of each view sets no flag
        if (frame == 0) sky.wallTouched[Skybox::WallMinusY] = sky.wallTouched[Skybox::WallPlusX] = true;
        look(along[wall][0], along[wall][1], along[wall][2]);
        sky.lightTouchedWalls();  // the tick's part
        sky.draw();
        for (bool touched : sky.wallTouched) EXPECT_FALSE(touched);
        std::uint8_t centre[3] = {};
        glReadPixels(kSize / 2, kSize / 2, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, centre);
        const bool lit = frame == 0 && (wall == Skybox::WallMinusY || wall == Skybox::WallPlusX);
        EXPECT_EQ(centre[1], texels[lit][1]) << "wall " << wall << " frame " << frame;
    }
}

// Each pitching tick raises the glow by 2 up to 8; it falls by 1 a tick only
// in the chase view with the ship alive, after its pictures show it, and never below 0.
TEST_F(WorldDrawGl, GlowFollowsPitchingAndEnemiesLeaveModulate) {
    // Pitched, chase view, ship alive: the level after the frame.
    const int frames[][4] = {{1, 0, 1, 2}, {1, 0, 1, 4}, {1, 0, 1, 6}, {1, 0, 1, 8}, {1, 0, 1, 8}, {0, 0, 1, 8}, {0, 1, 1, 7}, {1, 1, 1, 7},
                             {0, 1, 0, 7}, {1, 1, 0, 8}, {0, 1, 1, 7}, {0, 1, 1, 6}, {0, 1, 1, 5}, {0, 1, 1, 4}, {0, 1, 1, 3}, {0, 1, 1, 2},
                             {0, 1, 1, 1}, {0, 1, 1, 0}, {0, 1, 1, 0}};
    world->loadTextures();
    look(0, 0, -1);
    for (const auto& f : frames) {
        world->pitchedThisFrame = f[0];
        setView(!f[1]);
        world->player->state = f[2] ? Active : Inactive;
        const int before = world->glowLevel;
        world->advancePictureState();
        EXPECT_EQ(world->glowLevel, f[3]) << "after tick " << &f - frames;
        EXPECT_EQ(world->glowShown, f[1] && f[2] ? std::min(8, before + 2 * f[0]) : 0) << "shown in tick " << &f - frames;
        EXPECT_FALSE(world->pitchedThisFrame);
    }
    // The effects pass draws with whatever mode the enemies leave: it must be GL_MODULATE.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    world->waves->drawAll();
    EXPECT_EQ(textureMode(), GL_MODULATE);
}
