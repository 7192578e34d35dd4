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
        static char name[] = "enemies";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        if (glutGet(GLUT_INIT_STATE) == 0) glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(kSize, kSize);
        glutCreateWindow("enemy drawing");
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

    World* world = nullptr;
};

}  // namespace

TEST_F(EnemyDrawGl, CapitalShipRotationIsTheGlsOwn) {
    const float sets[][3] = {{0.0f, 180.0f, 0.0f},   {0.0f, 90.0f, 0.0f}, {0.0f, 90.0001f, 0.0f},
                             {0.0f, -270.0f, 0.0f},  {90.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 90.0f},
                             {12.5f, -33.0f, 71.0f}, {0.0f, 0.0f, 0.0f}};
    glMatrixMode(GL_MODELVIEW);
    for (const auto& set : sets) {
        glLoadIdentity();
        glRotatef(set[0], 1.0f, 0.0f, 0.0f);
        glRotatef(set[1], 0.0f, 1.0f, 0.0f);
        glRotatef(set[2], 0.0f, 0.0f, 1.0f);
        float gl[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, gl);
        const Matrix4 ours = CapitalShip::rotationMatrix(set[0], set[1], set[2]);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(ours[i], gl[i]) << set[0] << " " << set[1] << " " << set[2] << " element " << i;
        }
    }
}

TEST_F(EnemyDrawGl, HullBlockDrawsOnBothPathsAndLeavesOneUnitActive) {
    TurretBlock block;
    block.bumpMapped = true;
    block.armed = false;
    block.setPosition(0.0f, 0.0f, 0.0f);
    block.loadTextures();
    ASSERT_TRUE(block.surfaceTexture != 0 && block.bumpTexture != 0);
    ASSERT_TRUE(glmt::multitextureAvailable()) << "Mesa offers both extensions";
    for (bool forced : {false, true}) {
        SCOPED_TRACE(forced ? "one-unit fallback" : "multitexture");
        glmt::forceMultitextureFallback(forced);
        PFNGLACTIVETEXTUREARBPROC activeTexture = glmt::glActiveTextureARB;
        PFNGLMULTITEXCOORD2FARBPROC multiTexCoord = glmt::glMultiTexCoord2fARB;
        if (forced) {  // the one-unit path must not need the entry points at all
            glmt::glActiveTextureARB = nullptr;
            glmt::glMultiTexCoord2fARB = nullptr;
        }
        lookAtOrigin();
        block.draw();
        std::vector<std::uint8_t> frame(kSize * kSize * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, frame.data());
        glmt::glActiveTextureARB = activeTexture;
        glmt::glMultiTexCoord2fARB = multiTexCoord;
        // The 400-unit cube seen from 1000 units covers the middle of the view, not the corners.
        auto lit = [&](int x, int y) {
            const std::uint8_t* p = &frame[(y * kSize + x) * 3];
            return p[0] + p[1] + p[2] > 0;
        };
        int litMiddle = 0;
        for (int i = 0; i < 40 * 40; ++i) litMiddle += lit(44 + i % 40, 44 + i / 40);
        EXPECT_EQ(litMiddle, 40 * 40);
        EXPECT_FALSE(lit(2, 2) || lit(kSize - 3, kSize - 3));
        GLint active = 0, mode = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE_ARB, &active);
        EXPECT_EQ(active, GL_TEXTURE0_ARB);
        for (GLenum unit : {GL_TEXTURE1_ARB, GL_TEXTURE0_ARB}) {  // ends on unit 0
            glmt::glActiveTextureARB(unit);
            EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "texturing left on for unit " << unit;
        }
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        if (forced) { EXPECT_EQ(mode, GL_MODULATE); }
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
}

TEST_F(EnemyDrawGl, CounterTextureIsRefilledByTheDrawWhenTheImageChanges) {
    TurretBlock& counter = *world->waves->blocks[20];
    for (int i = 0; i < 5; ++i) counter.countHit();
    world->update();
    EXPECT_EQ(counter.counterTexture, 0u) << "the update path makes no texture";
    std::vector<std::uint8_t> texels(8 * 8 * 4);
    lookAtOrigin();
    for (int draw = 0; draw < 2; ++draw) {  // the second after one more hit
        counter.draw();
        ASSERT_NE(counter.counterTexture, 0u);
        EXPECT_FALSE(counter.counterImageDirty);
        glBindTexture(GL_TEXTURE_2D, counter.counterTexture);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        EXPECT_EQ(texels, std::vector<std::uint8_t>(counter.counterImage, counter.counterImage + 256));
        counter.countHit();
        world->update();
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
