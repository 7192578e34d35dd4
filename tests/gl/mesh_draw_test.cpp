#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <GL/glut.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "assets/capital_mesh_tables.h"
#include "assets/player_mesh_tables.h"
#include "gfx/mesh_model.h"
#include "gfx/player_mesh.h"

namespace {

constexpr int kSize = 200;

void openWindow() {
    static bool opened = false;
    if (opened) return;
    static char name[] = "mesh_draw";
    static char* argv[] = {name, nullptr};
    int argc = 1;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(kSize, kSize);
    glutCreateWindow("mesh draw test");
    opened = true;
}

struct Pixel {
    int r, g, b;
    bool background() const { return r == 0 && g == 0 && b == 0; }
};

std::vector<Pixel> readFrame() {
    glFinish();
    std::vector<unsigned char> bytes(kSize * kSize * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    std::vector<Pixel> pixels;
    for (size_t i = 0; i < bytes.size(); i += 3) pixels.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    return pixels;
}

// Black frame, depth test, one white directional light shining along `toLight`.
void beginLitScene(float x, float y, float z) {
    glViewport(0, 0, kSize, kSize);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    const float none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float direction[4] = {x, y, z, 0.0f};
    // Nearly as faint as the game's own lamps: the fighter's normals carry the gain.
    const float faint[4] = {0.02f, 0.02f, 0.02f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, faint);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glEnable(GL_LIGHT0);
}

// The ship's draw with the ship at the origin, at rest (forward is -z).
void drawRestingShip() {
    glPushMatrix();
    const float frame[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
    glMultMatrixf(frame);
    glTranslatef(kShipMeshOffsetX, 0.0f, 0.0f);
    drawPlayerMesh();
    glPopMatrix();
}

}  // namespace

TEST(PlayerMeshDraw, LeavesStateAndItsTransformsForTheCaller) {
    openWindow();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.0f, 2.0f, 3.0f);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_TEXTURE_2D);
    drawPlayerMesh();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLint frontFace = 0;
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    EXPECT_EQ(frontFace, GL_CCW);

    // The matrix now carries translate x scale x placement.
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const double t[3] = {1.0, 2.0, 3.0};
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row < 3; ++row) {
            double expected = kPlayerMeshScale[row] * kPlayerMeshPlacement[col * 4 + row];
            if (col == 3) expected += t[row];
            EXPECT_NEAR(m[col * 4 + row], expected, 1e-4) << "row " << row << " col " << col;
        }
    }

    // The last triangle's material is the one left behind.
    const PlayerMaterial& last = playerMaterials[playerTriangleMaterials[kPlayerTriangleCount - 1]];
    float diffuse[4];
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    for (int c = 0; c < 3; ++c) EXPECT_FLOAT_EQ(diffuse[c], last.diffuse[c]);
}

// Seen from straight above in an orthographic view, the drawn fighter spans
// its hull box: the GL's own transforms agree with the modelled extents.
TEST(PlayerMeshDraw, TopViewSpansTheHullBox) {
    openWindow();
    beginLitScene(0.0f, 1.0f, 0.0f);
    constexpr double kHalfView = 2.0;  // world units from the centre to an edge
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-kHalfView, kHalfView, -kHalfView, kHalfView, 0.1, 20.0);
    glMatrixMode(GL_MODELVIEW);
    // Looking down -y with +x to the right and world -z (the ship's forward) up.
    gluLookAt(0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, -1.0);
    drawRestingShip();
    const std::vector<Pixel> frame = readFrame();

    int left = kSize, right = -1, bottom = kSize, top = -1;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (frame[y * kSize + x].background()) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::min(bottom, y);
            top = std::max(top, y);
        }
    }
    ASSERT_GE(right, 0) << "nothing drawn";
    const double unitsPerPixel = 2.0 * kHalfView / kSize;
    auto toUnits = [&](int pixel, bool lowEdge) { return (pixel + (lowEdge ? 0 : 1)) * unitsPerPixel - kHalfView; };
    constexpr double kTolerance = 0.05;
    EXPECT_NEAR(toUnits(left, true), -0.75, kTolerance);   // gun pods' outer sides
    EXPECT_NEAR(toUnits(right, false), 0.75, kTolerance);
    EXPECT_NEAR(toUnits(top, false), 0.9, kTolerance);     // nose
    EXPECT_NEAR(toUnits(bottom, true), -1.8, kTolerance);  // exhausts
}

// From behind and above, lit by one faint lamp: the fighter shows shaded
// grey surfaces and its orange exhausts, without washing out to white.
TEST(PlayerMeshDraw, ChaseViewIsLitNotSaturated) {
    openWindow();
    beginLitScene(0.3f, 1.0f, 0.6f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 0.5, 50.0);
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(1.0, 2.0, 5.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    drawRestingShip();
    const std::vector<Pixel> frame = readFrame();

    int shipPixels = 0;
    int white = 0;
    int orange = 0;
    int darkest = 255;
    int brightest = 0;
    for (const Pixel& p : frame) {
        if (p.background()) continue;
        ++shipPixels;
        if (p.r >= 250 && p.g >= 250 && p.b >= 250) ++white;
        if (p.r > 120 && p.g > p.b + 40 && p.r > p.g + 40) ++orange;
        const int grey = (p.r + p.g + p.b) / 3;
        darkest = std::min(darkest, grey);
        brightest = std::max(brightest, grey);
    }
    EXPECT_GT(shipPixels, kSize * kSize / 20);
    EXPECT_LT(white, shipPixels / 10);
    EXPECT_GT(orange, 20);
    EXPECT_GT(brightest - darkest, 80) << "flat lighting suggests broken normals";
}

TEST(MeshModelDraw, BuildsOneListAndDrawLeavesMaterialsClear) {
    openWindow();
    // The textures are read from the game's data folder when it has been generated.
    ASSERT_EQ(chdir(VELTRANE_DATA_DIR), 0);
    MeshModel model;
    model.build();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(glIsList(model.displayList));
    std::set<GLuint> names;
    for (const MeshTexture& texture : meshTextureTable) names.insert(texture.textureName);
    EXPECT_EQ(names.size(), static_cast<size_t>(kMeshTextureCount));
    EXPECT_EQ(names.count(0u), 0u);

    // No lights at all: the emissive white material alone must show the ship.
    glViewport(0, 0, kSize, kSize);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    // With colour material on, ambient and diffuse would read back as the
    // current colour instead of the material just set.
    glDisable(GL_COLOR_MATERIAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 10.0, 5000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(330.0, 260.0, 420.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glPushMatrix();
    glScalef(5.0f, 5.0f, 5.0f);
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    model.draw();
    glPopMatrix();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    for (GLenum face : {GL_FRONT, GL_BACK}) {
        for (GLenum part : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION}) {
            float value[4] = {1, 1, 1, 1};
            glGetMaterialfv(face, part, value);
            for (float v : value) EXPECT_EQ(v, 0.0f) << "face " << face << " part " << part;
        }
    }

    const std::vector<Pixel> frame = readFrame();
    int shipPixels = 0;
    long brightness = 0;
    for (const Pixel& p : frame) {
        if (p.background()) continue;
        ++shipPixels;
        brightness += p.r + p.g + p.b;
    }
    EXPECT_GT(shipPixels, kSize * kSize / 10);
    ASSERT_GT(shipPixels, 0);
    EXPECT_GT(brightness / (3 * shipPixels), 40) << "emission should show the textures unlit";
}
