#include "entities/wave_set.h"

#include <iterator>

#include "entities/random.h"

namespace {

struct ShipPlacement {
    float angleX, angleY, angleZ;
    float x, y, z;
};

// Level 1: four capital ships around the arena's middle.
constexpr ShipPlacement kLevel1Ships[] = {
    {0.0f, 180.0f, 0.0f, 1500.0f, 0.0f, 300.0f},
    {0.0f, 90.0f, 0.0f, -1000.0f, 300.0f, 100.0f},
    {0.0f, 90.0f, 0.0f, -1400.0f, 100.0f, -150.0f},
    {0.0f, 90.0f, 0.0f, -1250.0f, -100.0f, -200.0f},
};

// Eight bump-mapped hull blocks behind the start: a pair at z = 1000 and a
// wall of two by three at z = 1500.
constexpr Vec3 kLevel1HullBlocks[] = {
    {250.0f, 0.0f, 1000.0f},  {-250.0f, 0.0f, 1000.0f},  {250.0f, 0.0f, 1500.0f},
    {-250.0f, 0.0f, 1500.0f}, {250.0f, 500.0f, 1500.0f}, {-250.0f, 500.0f, 1500.0f},
    {250.0f, 1000.0f, 1500.0f}, {-250.0f, 1000.0f, 1500.0f},
};

// Twelve colour blocks ahead of the start, a lattice of two by two by three.
constexpr Vec3 kLevel1ColourBlocks[] = {
    {250.0f, 250.0f, -1000.0f},  {-250.0f, 250.0f, -1000.0f},  {250.0f, 250.0f, -1500.0f},
    {-250.0f, 250.0f, -1500.0f}, {250.0f, 250.0f, -2000.0f},   {-250.0f, 250.0f, -2000.0f},
    {250.0f, -250.0f, -1000.0f}, {-250.0f, -250.0f, -1000.0f}, {250.0f, -250.0f, -1500.0f},
    {-250.0f, -250.0f, -1500.0f}, {250.0f, -250.0f, -2000.0f}, {-250.0f, -250.0f, -2000.0f},
};

// The unarmed block that counts the hits it takes.
constexpr Vec3 kLevel1CounterBlock = {2000.0f, 0.0f, 0.0f};

}  // namespace

WaveSet::WaveSet(int level) : levelNumber(level) {
    if (level != 1) return;

    capitalShipCount = static_cast<int>(std::size(kLevel1Ships));
    for (const ShipPlacement& placement : kLevel1Ships) {
        auto ship = std::make_unique<CapitalShip>();
        ship->angleX = placement.angleX;
        ship->angleY = placement.angleY;
        ship->angleZ = placement.angleZ;
        ship->setPosition(placement.x, placement.y, placement.z);
        capitalShips.push_back(std::move(ship));
    }

    blockCount = static_cast<int>(std::size(kLevel1HullBlocks) + std::size(kLevel1ColourBlocks) + 1);
    for (const Vec3& p : kLevel1HullBlocks) {
        auto block = std::make_unique<TurretBlock>();
        block->bumpMapped = true;
        block->setPosition(p.x, p.y, p.z);
        blocks.push_back(std::move(block));
    }
    // One hue for all colour blocks, so they change colour in step.
    const int startHue = static_cast<int>(randUnit() * 360.0f);
    for (const Vec3& p : kLevel1ColourBlocks) {
        auto block = std::make_unique<TurretBlock>(startHue);
        block->setPosition(p.x, p.y, p.z);
        blocks.push_back(std::move(block));
    }
    auto counter = std::make_unique<TurretBlock>();
    counter->setPosition(kLevel1CounterBlock.x, kLevel1CounterBlock.y, kLevel1CounterBlock.z);
    counter->armed = false;
    counter->counterDisplay = true;
    blocks.push_back(std::move(counter));
    // The armed blocks' turrets stand on their faces from the start, so the
    // first step aims them from there and any picture shows them there.
    for (auto& block : blocks) {
        if (block->armed) block->placeTurrets();
    }
}

void WaveSet::countEnemies() {
    enemiesLeft = 0;
    for (auto& ship : capitalShips) {
        if (ship->update() == 0) enemiesLeft += 1;
    }
    for (auto& block : blocks) {
        int liveTurrets = 0;
        block->updateCounting(liveTurrets);
        enemiesLeft += liveTurrets;
    }
}

void WaveSet::drawAll(float fraction) const {
    for (const auto& block : blocks) block->drawAt(fraction);
    for (const auto& ship : capitalShips) ship->draw();
}

void WaveSet::resetAll() {
    for (auto& block : blocks) block->reviveTurrets();
    for (auto& ship : capitalShips) ship->reset();
}

void WaveSet::loadTextures() {
    // Every ship shows the same mesh and every block the same two images:
    // build them once and share them.
    for (std::size_t i = 0; i < capitalShips.size(); ++i) {
        if (i == 0) {
            capitalShips[0]->loadTextures();
        } else {
            capitalShips[i]->model = capitalShips[0]->model;
        }
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (i == 0) {
            blocks[0]->loadTextures();
        } else {
            blocks[i]->shareTextures(*blocks[0]);
        }
        blocks[i]->loadCounterTexture();
    }
}
