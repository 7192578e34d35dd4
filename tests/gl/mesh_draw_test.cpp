#include <gtest/gtest.h>

#include <GL/glu.h>
#include <unistd.h>

#include <algorithm>
#include <array>

#include "assets/player_mesh_tables.h"
#include "gfx/mesh_model.h"
#include "gfx/player_mesh.h"
#include "test_window.h"

namespace {

constexpr int kSize = 200;

// The back buffer's non-black pixels.
std::vector<std::array<int, 3>> readShipPixels() {
    const std::vector<std::uint8_t> bytes = readBackBuffer(kSize, kSize);
    std::vector<std::array<int, 3>> pixels;
    for (size_t i = 0; i < bytes.size(); i += 3)
        if (bytes[i] + bytes[i + 1] + bytes[i + 2] > 0) pixels.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    return pixels;
}

// Opens the window once, then clears a frame with the given perspective under one white
// lamp from above and behind, nearly as faint as the game's own, and no ambient light.
void beginScene(double zNear, double zFar) {
    if (glutGet(GLUT_INIT_STATE) == 0) openTestWindow(kSize, kSize);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_LIGHT0}) glEnable(cap);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, zNear, zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float none[4] = {0.0f, 0.0f, 0.0f, 1.0f}, faint[4] = {0.02f, 0.02f, 0.02f, 1.0f}, direction[4] = {0.3f, 1.0f, 0.6f, 0.0f};
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, faint);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
}

}  // namespace

// Under the faint lamp (the fighter's normals carry the gain), seen from behind and above:
// shaded grey surfaces, not washed out to white; and the state is left as the caller expects.
TEST(PlayerMeshDraw, ChaseViewIsLitNotSaturatedAndTheStateIsRestored) {
    beginScene(0.5, 50.0);
    gluLookAt(1.0, 2.0, 5.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glScalef(1.0f, 1.0f, -1.0f);  // the resting frame: forward is -z
    glTranslatef(kShipMeshOffsetX, 0.0f, 0.0f);
    for (GLenum cap : {GL_NORMALIZE, GL_TEXTURE_2D}) glEnable(cap);
    drawPlayerMesh();
    const auto ship = readShipPixels();
    int white = 0, darkest = 255, brightest = 0;
    for (const auto& [r, g, b] : ship) {
        white += r >= 250 && g >= 250 && b >= 250;
        darkest = std::min(darkest, (r + g + b) / 3);
        brightest = std::max(brightest, (r + g + b) / 3);
    }
    EXPECT_GT(ship.size(), static_cast<size_t>(kSize * kSize / 20));
    EXPECT_LT(white, static_cast<int>(ship.size()) / 10);
    EXPECT_GT(brightest - darkest, 80) << "flat lighting suggests broken normals";
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    for (GLenum cap : {GL_VERTEX_ARRAY, GL_NORMALIZE, GL_TEXTURE_2D}) EXPECT_FALSE(glIsEnabled(cap)) << cap;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(MeshModelDraw, BuildsOneListShowsUnlitAndLeavesMaterialsClear) {
    beginScene(10.0, 5000.0);
    ASSERT_EQ(chdir(VELTRANE_DATA_DIR), 0);  // the textures come from the game's data folder
    MeshModel model;
    model.build();
    EXPECT_TRUE(glIsList(model.displayList));

    // No lamp: the emissive white material alone must show the ship. With colour
    // material on, ambient and diffuse would read back as the current colour.
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    gluLookAt(330.0, 260.0, 420.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    glScalef(5.0f, 5.0f, 5.0f);
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    model.draw();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    std::vector<float> material(4 * 8, 1.0f);  // ambient, diffuse, specular and emission of both faces
    for (int i = 0; i < 8; ++i) glGetMaterialfv(i < 4 ? GL_FRONT : GL_BACK, std::array{GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION}[i % 4], &material[4 * i]);
    EXPECT_EQ(*std::max_element(material.begin(), material.end()), 0.0f);
    EXPECT_GT(readShipPixels().size(), static_cast<size_t>(kSize * kSize / 10)) << "emission should show the textures unlit";
}
