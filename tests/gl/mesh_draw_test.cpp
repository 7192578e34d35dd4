#include <gtest/gtest.h>

#include <GL/freeglut.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "assets/capital_mesh_tables.h"
#include "assets/player_mesh_tables.h"
#include "gfx/mesh_model.h"
#include "gfx/player_mesh.h"

namespace {

constexpr int kSize = 200;

// The back buffer's non-black pixels.
std::vector<std::array<int, 3>> readShipPixels() {
    std::vector<unsigned char> bytes(kSize * kSize * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    std::vector<std::array<int, 3>> pixels;
    for (size_t i = 0; i < bytes.size(); i += 3)
        if (bytes[i] + bytes[i + 1] + bytes[i + 2] > 0) pixels.push_back({bytes[i], bytes[i + 1], bytes[i + 2]});
    return pixels;
}

// Opens the window once, then clears a frame with the given perspective and the lamp set.
void beginScene(double zNear, double zFar) {
    if (glutGet(GLUT_INIT_STATE) == 0) {
        int argc = 1;
        char name[] = "mesh_draw";
        char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(kSize, kSize);
        glutCreateWindow("mesh draw test");
    }
    glViewport(0, 0, kSize, kSize);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, zNear, zFar);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // One white lamp from above and behind, nearly as faint as the game's own, and no ambient.
    const float none[4] = {0.0f, 0.0f, 0.0f, 1.0f}, faint[4] = {0.02f, 0.02f, 0.02f, 1.0f};
    const float direction[4] = {0.3f, 1.0f, 0.6f, 0.0f};
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, faint);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glEnable(GL_LIGHT0);
}

}  // namespace

TEST(PlayerMeshDraw, LeavesStateAndItsTransformsForTheCaller) {
    beginScene(0.5, 50.0);
    glTranslatef(1.0f, 2.0f, 3.0f);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_NORMALIZE);
    glEnable(GL_TEXTURE_2D);
    drawPlayerMesh();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    for (GLenum cap : {GL_VERTEX_ARRAY, GL_NORMALIZE, GL_TEXTURE_2D}) EXPECT_FALSE(glIsEnabled(cap)) << cap;
    GLint frontFace = 0;
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    EXPECT_EQ(frontFace, GL_CCW);

    // The matrix now carries translate x scale x placement.
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 3; ++row)
            EXPECT_NEAR(m[col * 4 + row],
                        kPlayerMeshScale[row] * kPlayerMeshPlacement[col * 4 + row] + (col == 3 ? row + 1.0 : 0.0), 1e-4)
                << "row " << row << " col " << col;
}

// Under the faint lamp (the fighter's normals carry the gain), seen from behind and above:
// shaded grey surfaces and orange exhausts, not washed out to white.
TEST(PlayerMeshDraw, ChaseViewUnderAFaintLampIsLitNotSaturated) {
    beginScene(0.5, 50.0);
    gluLookAt(1.0, 2.0, 5.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    const float restingFrame[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};  // forward is -z
    glMultMatrixf(restingFrame);
    glTranslatef(kShipMeshOffsetX, 0.0f, 0.0f);
    drawPlayerMesh();

    const auto ship = readShipPixels();
    const int shipPixels = static_cast<int>(ship.size());
    int white = 0, orange = 0, darkest = 255, brightest = 0;
    for (const auto& [r, g, b] : ship) {
        white += r >= 250 && g >= 250 && b >= 250;
        orange += r > 120 && g > b + 40 && r > g + 40;
        darkest = std::min(darkest, (r + g + b) / 3);
        brightest = std::max(brightest, (r + g + b) / 3);
    }
    EXPECT_GT(shipPixels, kSize * kSize / 20);
    EXPECT_LT(white, shipPixels / 10);
    EXPECT_GT(orange, 20);
    EXPECT_GT(brightest - darkest, 80) << "flat lighting suggests broken normals";
}

TEST(MeshModelDraw, BuildsOneListAndDrawLeavesMaterialsClear) {
    beginScene(10.0, 5000.0);
    ASSERT_EQ(chdir(VELTRANE_DATA_DIR), 0);  // the textures come from the game's data folder
    MeshModel model;
    model.build();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(glIsList(model.displayList));
    std::set<GLuint> names;
    for (const MeshTexture& texture : meshTextureTable) names.insert(texture.textureName);
    EXPECT_EQ(names.size(), static_cast<size_t>(kMeshTextureCount));
    EXPECT_EQ(names.count(0u), 0u);

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
    for (GLenum face : {GL_FRONT, GL_BACK})
        for (GLenum part : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION}) {
            float value[4] = {1, 1, 1, 1};
            glGetMaterialfv(face, part, value);
            for (float v : value) EXPECT_EQ(v, 0.0f) << "face " << face << " part " << part;
        }

    const auto ship = readShipPixels();
    ASSERT_GT(ship.size(), static_cast<size_t>(kSize * kSize / 10));
    long brightness = 0;
    for (const auto& [r, g, b] : ship) brightness += r + g + b;
    EXPECT_GT(brightness / (3 * static_cast<long>(ship.size())), 40) << "emission should show the textures unlit";
}
