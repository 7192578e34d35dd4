#include "app/frame_loop.h"

#include <GL/gl.h>
#include <GL/freeglut.h>

#include "app/draw_warm_up.h"
#include "app/frame_pacing.h"
#include "app/gamepads.h"
#include "app/glut_callbacks.h"
#include "app/quit_signals.h"
#include "app/window_focus.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/render_pass.h"

int viewportWidth = kDefaultWindowSize;
int viewportHeight = kDefaultWindowSize;
bool fullScreenApplied = false;
int savedWindowRect[4] = {};
long long framesDrawn = 0;
long long lastFrameWorkNs = 0;

void syncFullScreen() {
    if (optFullScreen && fullScreenApplied != optFullScreen) {
        // The picture fills the real screen, whatever its size.
        viewportWidth = glutGet(GLUT_SCREEN_WIDTH);
        viewportHeight = glutGet(GLUT_SCREEN_HEIGHT);
        savedWindowRect[0] = glutGet(GLUT_WINDOW_X);
        savedWindowRect[1] = glutGet(GLUT_WINDOW_Y);
        savedWindowRect[2] = glutGet(GLUT_WINDOW_WIDTH);
        savedWindowRect[3] = glutGet(GLUT_WINDOW_HEIGHT);
        glutFullScreen();
        fullScreenApplied = optFullScreen;
    } else if (!optFullScreen && fullScreenApplied) {
        viewportWidth = savedWindowRect[2];
        viewportHeight = savedWindowRect[3];
        glutReshapeWindow(savedWindowRect[2], savedWindowRect[3]);
        glutPositionWindow(savedWindowRect[0], savedWindowRect[1]);
        fullScreenApplied = optFullScreen;
    }
}

void reshapeWindow(int width, int height) {
    viewportWidth = width;
    viewportHeight = height;
}

void setOverlayProjection(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1000, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void drawOverlayPass(int width, int height, bool titleFlag) {
    setOverlayProjection(width, height);
    Overlay* overlay = getOverlay();
    // Navigation sees the title flag stored by the previous frame.
    overlay->navigateMenu(pressUp, pressDown, pressRight, pressLeft);
    overlay->drawOverlay(width, height, titleFlag);
}

void runFrameWork() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    syncFullScreen();
    glShadeModel(GL_SMOOTH);
    glViewport(0, 0, viewportWidth, viewportHeight);
    renderViewportWidth = viewportWidth;
    renderViewportHeight = viewportHeight;

    if (gameState == 1) {
        renderWorldPass();
        drawOverlayPass(viewportWidth, viewportHeight, false);
    } else {
        // On the title screen the world neither moves nor is drawn.
        drawOverlayPass(viewportWidth, viewportHeight, true);
    }
    clearPresses();

    // The frame's work includes the GL's: a software renderer draws when flushed.
    glFinish();
}

void displayFrame() {
    releaseKeysLetGo();
    // The controllers write the same flags as the keys, before the frame reads them.
    pollWindowFocus();
    pollGamepads(windowHasFocus());
    // Play begun while the title was still warming up: the rest comes first.
    if (gameState == 1) finishWorldWarmUp(viewportWidth, viewportHeight);
    const std::int64_t start = frameClockTicks();
    runFrameWork();
    const std::int64_t end = frameClockTicks();
    lastFrameWorkNs = end - start;
    sleepMs(frameSleepMs(end - start, kFrameClockTicksPerSecond));
    glutSwapBuffers();
    framesDrawn += 1;
}

void idleFrame() {
    if (quitSignal() != 0) {
        glutLeaveMainLoop();
        return;
    }
    glutPostRedisplay();
}
