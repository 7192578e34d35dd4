#pragma once

class World;

enum class Rumble { None, Hit, Death };

// Watches the player's ship once a frame and tells when the controllers
// should rumble: briefly when the ship lost health, long when it was destroyed.
class ShipRumble {
public:
    Rumble watch(const World& world);

private:
    float lastHealth = 1.0f;
    bool lastGameOver = false;
};
