#include "world/world_options.h"

#include "state/options.h"
#include "world/world.h"

void toggleInvincible() {
    if (World* world = getWorld()) world->player->invincible = !world->player->invincible;
    optInvincible = !optInvincible;
}

void resetOptions() {
    gameState = 0;
    optFullScreen = false;
    optNebula = false;
    optInvert = false;
    World* world = getWorld();
    optInvincible = world != nullptr && world->player->invincible;
    optView = true;
}
