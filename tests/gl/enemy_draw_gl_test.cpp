#include <GL/freeglut.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <vector>

#include "entities/capital_ship.h"
#include "entities/turret_block.h"
#include "entities/wave_set.h"
#include "platform/gl_multitexture.h"
#include "world/world.h"

namespace {

constexpr int kSize = 128;

class EnemyDrawGl : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (glutGet(GLUT_INIT_STATE) == 0) {
            static char name[] = "enemies";
            static char* argv[] = {name, nullptr};
            int argc = 1;
            glutInit(&argc, argv);
        }
        glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(kSize, kSize);
        glutCreateWindow("enemy drawing");
        // The block textures are read from the game's data folder.
        if (chdir(VELTRANE_DATA_DIR) != 0) FAIL() << "no data folder " << VELTRANE_DATA_DIR;
    }

    void SetUp() override { world = createWorld(WorldImages::Skip); }
    void TearDown() override {
        glmt::forceMultitextureFallback(false);
        destroyWorld();
    }

    // A camera 1000 units up the z axis looking at the origin.
    static void lookAtOrigin() {
        glViewport(0, 0, kSize, kSize);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 1.0, 1.0, 10000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0.0, 0.0, 1000.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    static std::vector<std::uint8_t> readFrame() {
        std::vector<std::uint8_t> pixels(kSize * kSize * 3);
        glReadBuffer(GL_BACK);
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    static int brightness(const std::vector<std::uint8_t>& pixels, int x, int y) {
        const std::uint8_t* p = &pixels[(y * kSize + x) * 3];
        return p[0] + p[1] + p[2];
    }

    // Whether 2D texturing is on for a unit; leaves unit 0 active.
    static bool texturingOn(GLenum unit) {
        glmt::glActiveTextureARB(unit);
        const bool on = glIsEnabled(GL_TEXTURE_2D) == GL_TRUE;
        glmt::glActiveTextureARB(GL_TEXTURE0_ARB);
        return on;
    }

    World* world = nullptr;
};

void expectSameMatrix(const Matrix4& ours, float ax, float ay, float az) {
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRotatef(ax, 1.0f, 0.0f, 0.0f);
    glRotatef(ay, 0.0f, 1.0f, 0.0f);
    glRotatef(az, 0.0f, 0.0f, 1.0f);
    float gl[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, gl);
    glPopMatrix();
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(ours[i], gl[i]) << ax << " " << ay << " " << az << " element " << i;
    }
}

}  // namespace

TEST_F(EnemyDrawGl, CapitalShipRotationIsTheGlsOwn) {
    const float sets[][3] = {{0.0f, 180.0f, 0.0f},   {0.0f, 90.0f, 0.0f}, {0.0f, 90.0001f, 0.0f},
                             {0.0f, -270.0f, 0.0f},  {90.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 90.0f},
                             {12.5f, -33.0f, 71.0f}, {0.0f, 0.0f, 0.0f}};
    for (const auto& set : sets) {
        expectSameMatrix(CapitalShip::rotationMatrix(set[0], set[1], set[2]), set[0], set[1], set[2]);
    }

    // The level's ships: gun points from the GL's matrix by the transpose rule.
    for (int s = 0; s < 4; ++s) {
        CapitalShip& ship = *world->waves->capitalShips[s];
        ship.update();
        glPushMatrix();
        glLoadIdentity();
        glRotatef(ship.angleX, 1.0f, 0.0f, 0.0f);
        glRotatef(ship.angleY, 0.0f, 1.0f, 0.0f);
        glRotatef(ship.angleZ, 0.0f, 0.0f, 1.0f);
        float m[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, m);
        glPopMatrix();
        const float gx = 14.0f * 5.0f, gy = 2.0f * 5.0f, gz = -10.0f * 5.0f;  // gun 5
        float z = m[8] * gx + m[9] * gy + m[10] * gz;
        if (ship.angleY == 90.0f) z = -z;
        EXPECT_EQ(ship.gunPoints[5].x, m[0] * gx + m[1] * gy + m[2] * gz + ship.position.x) << s;
        EXPECT_EQ(ship.gunPoints[5].z, z + ship.position.z) << s;
    }
}

TEST_F(EnemyDrawGl, HullBlockDrawsOnBothPathsAndLeavesOneUnitActive) {
    TurretBlock block;
    block.bumpMapped = true;
    block.armed = false;
    block.setPosition(0.0f, 0.0f, 0.0f);
    block.loadTextures();
    ASSERT_NE(block.surfaceTexture, 0u);
    ASSERT_NE(block.bumpTexture, 0u);
    ASSERT_TRUE(glmt::multitextureAvailable()) << "Mesa offers both extensions";

    for (bool forced : {false, true}) {
        glmt::forceMultitextureFallback(forced);
        PFNGLACTIVETEXTUREARBPROC activeTexture = glmt::glActiveTextureARB;
        PFNGLMULTITEXCOORD2FARBPROC multiTexCoord = glmt::glMultiTexCoord2fARB;
        if (forced) {
            // The one-unit path must not need the entry points at all.
            glmt::glActiveTextureARB = nullptr;
            glmt::glMultiTexCoord2fARB = nullptr;
        }
        lookAtOrigin();
        block.draw();
        const std::vector<std::uint8_t> frame = readFrame();
        glmt::glActiveTextureARB = activeTexture;
        glmt::glMultiTexCoord2fARB = multiTexCoord;

        // The 400-unit cube seen from 1000 units covers the middle of the view.
        int lit = 0;
        for (int y = kSize / 2 - 20; y < kSize / 2 + 20; ++y) {
            for (int x = kSize / 2 - 20; x < kSize / 2 + 20; ++x) lit += brightness(frame, x, y) > 0;
        }
        EXPECT_EQ(lit, 40 * 40) << "forced " << forced;
        EXPECT_EQ(brightness(frame, 2, 2), 0) << "forced " << forced;
        EXPECT_EQ(brightness(frame, kSize - 3, kSize - 3), 0) << "forced " << forced;

        GLint active = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &active);
        EXPECT_EQ(active, GL_TEXTURE0_ARB) << "forced " << forced;
        EXPECT_FALSE(texturingOn(GL_TEXTURE0_ARB)) << "forced " << forced;
        EXPECT_FALSE(texturingOn(GL_TEXTURE1_ARB)) << "forced " << forced;
        GLint mode = 0;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        if (forced) {
            EXPECT_EQ(mode, GL_MODULATE);
        }
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "forced " << forced;
    }
}

TEST_F(EnemyDrawGl, CounterTextureFollowsTheImageAndIsOnlyRefilledWhenItChanges) {
    TurretBlock& counter = *world->waves->blocks[20];
    ASSERT_TRUE(counter.counterDisplay);
    for (int i = 0; i < 5; ++i) counter.countHit();
    world->update();
    EXPECT_EQ(counter.counterTexture, 0u) << "the update path makes no texture";
    ASSERT_TRUE(counter.counterImageDirty);

    lookAtOrigin();
    counter.draw();
    ASSERT_NE(counter.counterTexture, 0u);
    EXPECT_FALSE(counter.counterImageDirty);

    auto texelsOnScreenTexture = [&]() {
        std::vector<std::uint8_t> texels(8 * 8 * 4);
        glBindTexture(GL_TEXTURE_2D, counter.counterTexture);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        return texels;
    };
    std::vector<std::uint8_t> texels = texelsOnScreenTexture();
    EXPECT_EQ(texels, std::vector<std::uint8_t>(counter.counterImage, counter.counterImage + 256));
    EXPECT_EQ(texels[(1 * 8 + 5) * 4], 255);  // the fifth interior cell is lit
    EXPECT_EQ(texels[(1 * 8 + 6) * 4], 30);   // the sixth is not

    counter.countHit();
    world->update();
    counter.draw();
    texels = texelsOnScreenTexture();
    EXPECT_EQ(texels[(1 * 8 + 6) * 4], 255);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(EnemyDrawGl, DyingShipIsGoneOnTheEleventhDraw) {
    CapitalShip& ship = *world->waves->capitalShips[0];
    ship.state = Dying;
    lookAtOrigin();
    for (int draw = 1; draw <= 10; ++draw) {
        ship.draw();
        ASSERT_EQ(ship.state, Dying) << draw;
    }
    EXPECT_EQ(ship.scale, 0.0f);
    ship.draw();
    EXPECT_EQ(ship.state, Inactive);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}
