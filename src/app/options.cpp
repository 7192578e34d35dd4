#include "app/options.h"

#include <GL/gl.h>

#include "world/world.h"

int gameState = 0;
bool optFullScreen = false;
bool optNebula = false;
bool optInvert = false;
bool optInvincible = false;
bool optView = true;

void setFullScreen(bool flag) { optFullScreen = flag; }

void setNebula(bool flag) {
    optNebula = flag;
    if (flag) {
        glEnable(GL_FOG);
    } else {
        glDisable(GL_FOG);
    }
}

void toggleInvert() { optInvert = !optInvert; }

void toggleInvincible() {
    if (World* world = getWorld()) world->player->invincible = !world->player->invincible;
    optInvincible = !optInvincible;
}

void setView(bool cockpit) { optView = cockpit; }

void resetOptions() {
    gameState = 0;
    optFullScreen = false;
    optNebula = false;
    optInvert = false;
    World* world = getWorld();
    optInvincible = world != nullptr && world->player->invincible;
    optView = true;
}
