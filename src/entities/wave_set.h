#pragma once
#include <memory>
#include <vector>

#include "entities/capital_ship.h"
#include "entities/turret_block.h"

// The level's one wave: four capital ships and twenty-one turret blocks,
// built once and revived in place by a restart.
class WaveSet {
public:
    explicit WaveSet(int level);

    // Updates every enemy and recounts the live ones.
    void countEnemies();
    // Draws the blocks, then the capital ships, as a picture at `fraction` of the step shows them.
    void drawAll(float fraction = 1.0f) const;
    void resetAll();
    void loadTextures();

    int levelNumber = 0;
    int capitalShipCount = 0;
    int blockCount = 0;
    std::vector<std::unique_ptr<CapitalShip>> capitalShips;
    std::vector<std::unique_ptr<TurretBlock>> blocks;
    int enemiesLeft = 0;
};
