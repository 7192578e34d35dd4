#include <gtest/gtest.h>

#include "entities/gl_rotation.h"
#include "test_window.h"

namespace {
// Our matrix must be bit-identical to the one the GL holds.
void expectGlModelview(const Matrix4& ours, float angle) {
    float gl[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, gl);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(ours[i], gl[i]) << "angle " << angle << " element " << i;
}
}  // namespace

// Our CPU rotation, alone and in products of turns about x, y and z, against glRotatef.
TEST(RotationOracle, MatchesGlRotatefAndTheGlProduct) {
    openTestWindow(64, 64);
    glMatrixMode(GL_MODELVIEW);
    const float axes[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {-1, 0, 0}, {0, 0, -1}};
    for (float angle : {0.0f, 3.0f, -3.0f, 90.0f, -90.0f, 90.0001f, -270.0f, 180.0f, 2.0f, -20.0f, 33.3f, 123.456f}) {
        for (const auto& axis : axes) {
            glLoadIdentity();
            glRotatef(angle, axis[0], axis[1], axis[2]);
            expectGlModelview(glRotationMatrix(angle, axis[0], axis[1], axis[2]), angle);
        }
    }
    const float sets[][3] = {{0, 180, 0}, {0, 90, 0}, {10, 20, 30}, {-45, 90.0001f, 270}};
    for (const auto& [x, y, z] : sets) {
        glLoadIdentity();
        glRotatef(x, 1, 0, 0);
        glRotatef(y, 0, 1, 0);
        glRotatef(z, 0, 0, 1);
        expectGlModelview(glMultiply(glMultiply(glRotationMatrix(x, 1, 0, 0), glRotationMatrix(y, 0, 1, 0)), glRotationMatrix(z, 0, 0, 1)), y);
    }
}
