#include <gtest/gtest.h>

#include "entities/gl_rotation.h"
#include "test_window.h"

// Our CPU rotation must be bit-identical to what the GL leaves in its matrix.
TEST(RotationOracle, MatchesGlRotatefAndTheGlProduct) {
    openTestWindow(64, 64);
    const float angles[] = {0.0f, 3.0f, -3.0f, 90.0f, -90.0f, 90.0001f, -270.0f, 180.0f, 2.0f,
                            -20.0f, 33.3f, 123.456f};
    const float axes[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {-1, 0, 0}, {0, 0, -1}};
    glMatrixMode(GL_MODELVIEW);
    for (float angle : angles) {
        for (const auto& axis : axes) {
            glLoadIdentity();
            glRotatef(angle, axis[0], axis[1], axis[2]);
            float gl[16];
            glGetFloatv(GL_MODELVIEW_MATRIX, gl);
            const Matrix4 ours = glRotationMatrix(angle, axis[0], axis[1], axis[2]);
            for (int i = 0; i < 16; ++i) {
                EXPECT_EQ(ours[i], gl[i]) << "angle " << angle << " element " << i;
            }
        }
    }

    const float sets[][3] = {{0, 180, 0}, {0, 90, 0}, {10, 20, 30}, {-45, 90.0001f, 270}};
    for (const auto& set : sets) {
        glLoadIdentity();
        glRotatef(set[0], 1, 0, 0);
        glRotatef(set[1], 0, 1, 0);
        glRotatef(set[2], 0, 0, 1);
        float gl[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, gl);
        const Matrix4 ours = glMultiply(glMultiply(glRotationMatrix(set[0], 1, 0, 0),
                                                   glRotationMatrix(set[1], 0, 1, 0)),
                                        glRotationMatrix(set[2], 0, 0, 1));
        for (int i = 0; i < 16; ++i) EXPECT_EQ(ours[i], gl[i]) << "set " << set[1] << " " << i;
    }
}
