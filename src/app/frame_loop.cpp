#include "app/frame_loop.h"

#include <GL/gl.h>
#include <GL/freeglut.h>

#include "app/demo_viewer.h"
#include "app/draw_warm_up.h"
#include "app/frame_log.h"
#include "app/frame_pacing.h"
#include "app/picture.h"
#include "app/picture_pacing.h"
#include "app/gamepads.h"
#include "app/glut_callbacks.h"
#include "app/quit_signals.h"
#include "app/remembered_settings.h"
#include "app/screenshot.h"
#include "app/window_focus.h"
#include "state/options.h"
#include "world/command_queue.h"
#include "world/game_tick.h"

int viewportWidth = kDefaultWindowSize;
int viewportHeight = kDefaultWindowSize;
bool fullScreenApplied = false;
int savedWindowRect[4] = {};
long long framesDrawn = 0;
long long lastFrameWorkNs = 0;
std::optional<bool> fullScreenOverride;

void syncFullScreen() {
    const bool wanted = fullScreenOverride.value_or(optFullScreen);
    if (wanted && !fullScreenApplied) {
        // The picture fills the real screen, whatever its size.
        viewportWidth = glutGet(GLUT_SCREEN_WIDTH);
        viewportHeight = glutGet(GLUT_SCREEN_HEIGHT);
        savedWindowRect[0] = glutGet(GLUT_WINDOW_X);
        savedWindowRect[1] = glutGet(GLUT_WINDOW_Y);
        savedWindowRect[2] = glutGet(GLUT_WINDOW_WIDTH);
        savedWindowRect[3] = glutGet(GLUT_WINDOW_HEIGHT);
        glutFullScreen();
        fullScreenApplied = true;
    } else if (!wanted && fullScreenApplied) {
        viewportWidth = savedWindowRect[2];
        viewportHeight = savedWindowRect[3];
        glutReshapeWindow(savedWindowRect[2], savedWindowRect[3]);
        glutPositionWindow(savedWindowRect[0], savedWindowRect[1]);
        fullScreenApplied = false;
    }
}

void reshapeWindow(int width, int height) {
    viewportWidth = width;
    viewportHeight = height;
}

namespace {
bool classicFrames = false;
SmoothPacer pacer(0);
std::int64_t nextPictureAt = 0;
float heldFraction = 1.0f;

// What every frame does first: the keys let go unseen, the focus and the
// controllers, whose input is queued for the next tick like the keyboard's.
void pollInput() {
    releaseKeysLetGo();
    pollWindowFocus();
    // Losing the focus pauses a running game (a setting): a command like any
    // other, so a recording holds the pause where it came.
    if (windowLostFocus() && pauseOnFocusLoss()) queueFocusLost();
    pollGamepads(windowHasFocus());
}
}  // namespace

void useClassicFrames(bool classic) { classicFrames = classic; }

void useSmoothPacing(std::int64_t picturePeriodNs) { pacer = SmoothPacer(picturePeriodNs); }

namespace {
// One tick and one picture every 50 ms at most, as the game has always run.
void displayClassicFrame() {
    pollInput();
    const std::int64_t start = frameClockTicks();
    syncFullScreen();
    runNextTick();
    // Play begun by this tick while the title was still warming up: the rest
    // comes before its first picture.
    if (gameState == 1) finishWorldWarmUp(viewportWidth, viewportHeight);
    drawPicture(1.0f);
    takeRequestedScreenshot(viewportWidth, viewportHeight);
    // The frame's work includes the GL's: a software renderer draws when flushed.
    glFinish();
    const std::int64_t end = frameClockTicks();
    lastFrameWorkNs = end - start;
    sleepMs(frameSleepMs(end - start, kFrameClockTicksPerSecond));
    glutSwapBuffers();
    framesDrawn += 1;
    logFrame(true, lastFrameWorkNs);
}

// Pictures as often as the display shows them, each between the last two
// ticks at the time it is drawn; a tick whenever one is due, never more than
// one between two pictures.
void displaySmoothFrame() {
    sleepUntil(nextPictureAt);
    pollInput();
    const std::int64_t start = frameClockTicks();
    const bool ticked = pacer.takeTick(start) && runNextTick();
    // Play begun while the title was still warming up: the rest comes before
    // its first picture.
    if (gameState == 1) finishWorldWarmUp(viewportWidth, viewportHeight);
    syncFullScreen();
    // A stopped playback holds its picture where it stopped.
    if (!demoViewerFrozen()) heldFraction = pacer.fraction(frameClockTicks());
    drawPicture(heldFraction);
    takeRequestedScreenshot(viewportWidth, viewportHeight);
    glFinish();
    const std::int64_t end = frameClockTicks();
    lastFrameWorkNs = end - start;
    nextPictureAt = pacer.nextPictureAt(start);
    glutSwapBuffers();
    framesDrawn += 1;
    logFrame(ticked, lastFrameWorkNs);
}
}  // namespace

void displayFrame() {
    if (classicFrames) {
        displayClassicFrame();
    } else {
        displaySmoothFrame();
    }
}

void idleFrame() {
    if (quitSignal() != 0) {
        glutLeaveMainLoop();
        return;
    }
    glutPostRedisplay();
}
