#include "app/ship_rumble.h"

#include "world/world.h"

Rumble ShipRumble::watch(const World& world) {
    const float health = world.player->health;
    Rumble rumble = Rumble::None;
    if (world.gameOver && !lastGameOver) {
        rumble = Rumble::Death;
    } else if (health < lastHealth) {
        rumble = Rumble::Hit;
    }
    // A restart raises the health again and clears the game over: no rumble.
    lastHealth = health;
    lastGameOver = world.gameOver;
    return rumble;
}
