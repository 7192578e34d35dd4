#include "world/input_commands.h"

#include <cstdlib>

#include "state/options.h"
#include "state/sound_cues.h"
#include "world/render_pass.h"
#include "world/world.h"
#include "world/world_options.h"

bool keyStartsAGame(unsigned char key) {
    const World& world = *getWorld();
    if (key == ' ') return gameState == 0;
    return key == 'r' && (world.gameOver || world.won);
}

void handleKeyDown(unsigned char key) {
    World* world = getWorld();
    switch (key) {
        case ' ':
            if (keyStartsAGame(key)) {
                stopTitleMusic();
                gameState = 1;
            } else if (gameState == 1) {
                keyFire = true;
            }
            break;
        case '0': wireframe = !wireframe; break;
        case '2': setView(true); break;
        case '3': setView(false); break;
        case '\\':
            if (!world->gameOver && gameState == 1) world->won = true;
            break;
        case 'c': toggleInvert(); break;
        case 'f': setNebula(!optNebula); break;
        case 'i': toggleInvincible(); break;
        case 'p':
            if (gameState == 1) world->togglePause();
            break;
        case 'q': std::exit(0);
        case 'r':
            if (keyStartsAGame(key)) {
                world->restart();
                cameraMode = 1;
                setView(true);
            }
            break;
        default: break;
    }
    // The player's own choice of a remembered option (a restart's view is the rules').
    if (key == '2' || key == '3' || key == 'c' || key == 'f') noteOptionChosen();
}

void handleKeyUp(unsigned char key) {
    if (key == ' ') keyFire = false;
}

// Inversion is applied as each event is applied, so a release clears the flag
// chosen by the inversion in force at release time.
void handleSpecialDown(int key) {
    switch (key) {
        case KeyLeft:
            pressLeft = true;
            keyLeft = true;
            break;
        case KeyRight:
            pressRight = true;
            keyRight = true;
            break;
        case KeyUp:
            pressUp = true;
            (optInvert ? keyDown : keyUp) = true;
            break;
        case KeyDown:
            pressDown = true;
            (optInvert ? keyUp : keyDown) = true;
            break;
        default: break;
    }
}

void handleSpecialUp(int key) {
    switch (key) {
        case KeyF1:
            setFullScreen(!optFullScreen);
            noteOptionChosen();
            break;
        case KeyLeft: keyLeft = false; break;
        case KeyRight: keyRight = false; break;
        case KeyUp: (optInvert ? keyDown : keyUp) = false; break;
        case KeyDown: (optInvert ? keyUp : keyDown) = false; break;
        default: break;
    }
}

void handleFocusLost() {
    World& world = *getWorld();
    if (gameState == 1 && !world.paused && !world.gameOver && !world.won) world.togglePause();
}

bool fireAlongRay(const PointerRay& ray) {
    World* world = getWorld();
    if (cameraMode != 2 || world->gameOver || world->paused) return false;
    const Vec3& s = ray.start;
    const Vec3& d = ray.direction;
    world->firePlayerBoltAt(s.x, s.y, s.z, d.x, d.y, d.z);
    return true;
}
