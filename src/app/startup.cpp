#include "app/startup.h"

#include <GL/gl.h>
#include <GL/freeglut.h>

#include <cstdlib>
#include <ctime>
#include <optional>

#include "app/draw_warm_up.h"
#include "app/frame_loop.h"
#include "app/gamepads.h"
#include "app/glut_callbacks.h"
#include "app/quit_signals.h"
#include "app/remembered_settings.h"
#include "app/window_focus.h"
#include "entities/game_random.h"
#include "gfx/overlay.h"
#include "platform/background_jobs.h"
#include "platform/heap_thresholds.h"
#include "platform/mixer_sound_setup.h"
#include "platform/window_identity.h"
#include "platform/x11_keyboard.h"
#include "state/options.h"
#include "state/sound_cues.h"
#include "state/sound_volume.h"
#include "world/world.h"
#include "world/world_options.h"

namespace {
std::optional<unsigned> chosenSeed;

void setFixedGlState() {
    glEnable(GL_DEPTH_TEST);

    const float origin[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_POSITION, origin);
    glLightfv(GL_LIGHT1, GL_AMBIENT, white);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT1, GL_SPECULAR, white);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    const float noAmbient[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, noAmbient);

    // The head light: weak, positioned at the eye every frame by the render pass.
    const float faint[4] = {0.01f, 0.01f, 0.01f, 0.0f};
    const float none[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, faint);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, faint);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);

    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);

    // The nebula option's fog; its colour cycles every tick of play.
    const float fogColour[4] = {1.0f, 0.6f, 0.6f, 1.0f};
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, fogColour);
    glFogf(GL_FOG_DENSITY, 0.0002f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, 100.0f);
    glFogf(GL_FOG_END, 2000.0f);
    glDisable(GL_FOG);
}
// The warm-up's compiling would hold back the window's first picture and
// then a title frame: its passes run one at a time, between title frames,
// from the first title frame on. A game begun before they are done finishes
// them before its first frame (the frame loop sees to it).
void warmUpBetweenTitleFrames(int) {
    if (glutGetWindow() == 0) return;  // closed: nothing is left to draw into
    if (framesDrawn == 0 && gameState == 0) {
        glutTimerFunc(1, warmUpBetweenTitleFrames, 0);
        return;
    }
    if (gameState == 0 && warmUpNextWorldPass(viewportWidth, viewportHeight)) glutTimerFunc(1, warmUpBetweenTitleFrames, 0);
}
}  // namespace

void useSeed(unsigned seed) { chosenSeed = seed; }

void startUp(int& argc, char** argv) {
    fixHeapThresholds();
    // A seed of the player's choosing replays the same start; else the clock's.
    seedGameRandom(chosenSeed ? *chosenSeed : static_cast<unsigned>(std::time(nullptr)));
    installQuitSignals();

    // The default size goes first: glutInit replaces it with -geometry's.
    glutInitWindowSize(kDefaultWindowSize, kDefaultWindowSize);
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH | GLUT_STENCIL);
    // Closing the window returns from the main loop, as a quit signal does,
    // instead of freeglut's exit from inside its event handling.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);
    glutCreateWindow("Veltrane");
    // Class, icons and process id for the desktop (remaps the window).
    setWindowIdentity();
    viewportWidth = glutGet(GLUT_WINDOW_WIDTH);
    viewportHeight = glutGet(GLUT_WINDOW_HEIGHT);
    // A held key gives one press and one release, not X11's repeated pairs:
    // the server is asked not to fake releases, GLUT drops any it still sees
    // while the key is down, and the callbacks drop the repeated presses.
    enableDetectableAutoRepeat();
    glutIgnoreKeyRepeat(1);

    registerCallbacks();
    glutReshapeFunc(reshapeWindow);
    setFixedGlState();

    World* world = createWorld();
    if (world == nullptr) std::exit(1);
    world->loadTextures();

    resetOptions();
    // The remembered settings over the defaults (the first frame sizes the window).
    applyRememberedOptions();
    fullScreenApplied = false;

    createOverlay()->loadTextures();
    warmUpTitle(viewportWidth, viewportHeight);
    beginWorldWarmUp();
    glutTimerFunc(0, warmUpBetweenTitleFrames, 0);

    installMixerSound();
    // The remembered volumes reach the mixer before its first sound.
    applySoundVolumes();
    // The game ends through exit(): release the mixer and its loader thread then.
    std::atexit(shutdownMixerSound);
    // Files still being written in the background (settings, screenshots) reach the disk.
    std::atexit(finishBackgroundJobs);
    openSounds();
    sendSoundCommand("play title.mp3 repeat from 0");
    // Silent without a controller or without joystick support.
    watchWindowFocus();
    openGamepads();

    savedWindowRect[0] = glutGet(GLUT_WINDOW_X);
    savedWindowRect[1] = glutGet(GLUT_WINDOW_Y);
    savedWindowRect[2] = glutGet(GLUT_WINDOW_WIDTH);
    savedWindowRect[3] = glutGet(GLUT_WINDOW_HEIGHT);
    glClearStencil(0);
}
