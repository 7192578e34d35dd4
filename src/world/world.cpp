#include "world/world.h"

#include "entities/wave_set.h"
#include "gfx/skybox.h"
#include "state/options.h"
#include "state/sound_cues.h"

namespace {
std::unique_ptr<World> theWorld;
}

World* createWorld(WorldImages images) {
    theWorld.reset();
    theWorld = std::make_unique<World>(images);
    return theWorld.get();
}

World* getWorld() { return theWorld.get(); }

void destroyWorld() { theWorld.reset(); }

World::World(WorldImages images) {
    skybox = std::make_unique<Skybox>(kArenaEdge, images == WorldImages::Read);
    waves = std::make_unique<WaveSet>(1);
    player = std::make_unique<PlayerShip>();
    player->setPosition(Vec3(0.0f, 0.0f, 0.0f));
}

World::~World() = default;

int World::enemiesLeft() const { return waves->enemiesLeft; }

void World::togglePause() {
    if (!gameOver) paused = !paused;
}

void World::restart() {
    sendSoundCommand("stop gamebeat.mp3");
    sendSoundCommand("stop gameover.mp3");
    sendSoundCommand("play background0.mp3 from 0 repeat");
    sendSoundCommand("play siren.wav from 0");
    player->reset();
    // The new ship follows the menu's invincibility option, so what the menu
    // shows is what the ship does (a win's invincibility does not carry over).
    player->invincible = optInvincible;
    gameOver = false;
    won = false;
    waves->resetAll();
    score = 0;
    victoryMusicStarted = false;
}

void World::setGameOver(bool flag) {
    gameOver = flag;
    if (flag) {
        sendSoundCommand("play smallExplode.wav from 0");
        sendSoundCommand("stop background0.mp3");
        sendSoundCommand("play gameover.mp3 repeat from 0");
    }
}

void World::spawnExplosion(const Vec3& position, int particleCount, float particleSize, float red,
                           float green, float blue) {
    explosions[nextExplosion].start(position, particleCount, particleSize, red, green, blue);
    nextExplosion += 1;
    if (nextExplosion == kExplosionCount) nextExplosion = 0;
}

void World::emitTrails(const Vec3& position0, const Vec3& direction0, const Vec3& spreadA0,
                       const Vec3& spreadB0, int count0, const Vec3& position1,
                       const Vec3& direction1, const Vec3& spreadA1, const Vec3& spreadB1,
                       int count1) {
    trails[0].emit(position0, direction0, spreadA0, spreadB0, count0);
    trails[1].emit(position1, direction1, spreadA1, spreadB1, count1);
}

void World::firePlayerBolt(const Vec3& start, const Vec3& direction) {
    PlayerBolt& bolt = playerBolts[nextPlayerBolt];
    bolt.setPosition(start);
    bolt.direction = direction;
    bolt.activate();
    bolt.hold = true;  // drawn at the muzzle on the frame it is fired
    bolt.previousPosition = start;
    bolt.fromMuzzle = true;
    nextPlayerBolt += 1;
    if (nextPlayerBolt == kPlayerBoltCount) nextPlayerBolt = 0;
}

void World::firePlayerBoltAt(float x, float y, float z, float dx, float dy, float dz) {
    Vec3 direction(dx, dy, dz);
    direction.normalize();
    PlayerBolt& bolt = playerBolts[nextPlayerBolt];
    bolt.setPosition(x, y, z);
    bolt.previousPosition = bolt.position;  // appears where it is fired, not smeared
    bolt.fromMuzzle = false;
    bolt.direction = direction;
    bolt.activate();
    nextPlayerBolt += 1;
    if (nextPlayerBolt == kPlayerBoltCount) nextPlayerBolt = 0;
    playLaserSound();
}

void World::fireEnemyBolt(const Vec3& start, const Vec3& direction) {
    EnemyBolt& bolt = enemyBolts[nextEnemyBolt];
    bolt.setPosition(start);
    bolt.previousPosition = start;
    bolt.direction = direction;
    bolt.activate();
    nextEnemyBolt += 1;
    if (nextEnemyBolt == kEnemyBoltCount) nextEnemyBolt = 0;
}

bool World::isOutsideArena(const Bolt& bolt) const {
    const BoundingBox& arena = skybox->arenaBox;
    return !(arena.contains(bolt.position) && arena.contains(bolt.position + bolt.direction));
}
