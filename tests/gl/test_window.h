#pragma once
#include <GL/freeglut.h>

#include <cstdint>
#include <vector>

// A plain window for the GL tests that need no game; GLUT starts once per process.
inline void openTestWindow(int width, int height, unsigned mode = GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH) {
    if (glutGet(GLUT_INIT_STATE) == 0) {
        static char name[] = "gl_tests";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        glutInit(&argc, argv);
    }
    glutInitDisplayMode(mode);
    glutInitWindowSize(width, height);
    glutInitWindowPosition(0, 0);
    glutCreateWindow("gl_tests");
}

// The back buffer as RGB bytes, bottom row first.
inline std::vector<std::uint8_t> readBackBuffer(int width, int height) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
