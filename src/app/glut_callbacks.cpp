#include "app/glut_callbacks.h"

#include <GL/glut.h>

#include "app/demo_viewer.h"
#include "app/frame_loop.h"
#include "app/input.h"
#include "app/key_repeat_filter.h"
#include "app/screenshot.h"
#include "app/volume_keys.h"
#include "world/command_queue.h"
#include "platform/x11_keyboard.h"

namespace {
// Held keys reach the handlers as one press and one release.
KeyRepeatFilter repeatFilter;

void releaseKey(KeyRepeatFilter::Key key) {
    if (key.special) {
        queueSpecialUp(key.code);
    } else {
        queueKeyUp(static_cast<unsigned char>(key.code));
    }
}

// Keys wait in the queue for the next tick. Every handler ends by asking for
// a redisplay, whatever the key did.
void onKeyDown(unsigned char key, int, int) {
    if (handleVolumeKey(key) || demoViewerKey(key)) return glutPostRedisplay();
    if (repeatFilter.press(physicalKeyForChar(key), {false, key})) queueKeyDown(key);
    glutPostRedisplay();
}
void onKeyUp(unsigned char key, int, int) {
    repeatFilter.release(physicalKeyForChar(key));
    if (!isVolumeKey(key)) queueKeyUp(key);
    glutPostRedisplay();
}
void onSpecialDown(int key, int, int) {
    // F12 belongs to the window, not the game: in play and in playback alike.
    if (key == GLUT_KEY_F12) {
        requestScreenshot();
        return glutPostRedisplay();
    }
    if (demoViewerSpecialKey(key)) return glutPostRedisplay();
    if (repeatFilter.press(physicalKeyForSpecial(key), {true, key})) queueSpecialDown(key);
    glutPostRedisplay();
}
void onSpecialUp(int key, int, int) {
    if (key == GLUT_KEY_F12) return glutPostRedisplay();
    repeatFilter.release(physicalKeyForSpecial(key));
    queueSpecialUp(key);
    glutPostRedisplay();
}
void onMotion(int x, int y) {
    handlePointerMotion(x, y);
    glutPostRedisplay();
}
void onMouse(int button, int state, int x, int y) {
    handleMouseButton(button == GLUT_LEFT_BUTTON, state == GLUT_DOWN, x, y);
    glutPostRedisplay();
}
}  // namespace

void registerCallbacks() {
    glutDisplayFunc(displayFrame);
    glutKeyboardFunc(onKeyDown);
    glutKeyboardUpFunc(onKeyUp);
    glutSpecialFunc(onSpecialDown);
    glutSpecialUpFunc(onSpecialUp);
    glutMotionFunc(onMotion);
    glutMouseFunc(onMouse);
    glutIdleFunc(idleFrame);
    // The cross-hair follows the pointer with no button held, too.
    glutPassiveMotionFunc(onMotion);
}

void releaseKeysLetGo() {
    const KeysDown keysDown = keysDownNow();
    repeatFilter.releaseKeysLetGo(
        [&](KeyRepeatFilter::Key key) {
            return key.special ? specialKeyDown(keysDown, key.code)
                               : charKeyDown(keysDown, static_cast<unsigned char>(key.code));
        },
        releaseKey);
}
