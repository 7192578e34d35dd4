#pragma once
#include <memory>

#include "entities/enemy_bolt.h"
#include "entities/player_bolt.h"
#include "entities/player_ship.h"
#include "gfx/engine_trail.h"
#include "gfx/explosion.h"

class Skybox;
class WaveSet;
class Bolt;
struct WorldPicture;

// Whether the world reads its images from the working directory when it is built.
// Tests build worlds without any data files.
enum class WorldImages { Read, Skip };

// The one owner of everything in the game world: the player's ship, the
// skybox, every enemy, fixed pools of bolts, the engine trails, a ring of
// explosions, the score and the flags of a running game. Nothing in it is
// allocated or freed while a game runs except an explosion's particles.
class World {
public:
    static constexpr int kPlayerBoltCount = 60;
    static constexpr int kEnemyBoltCount = 2000;
    static constexpr int kTrailCount = 2;
    static constexpr int kExplosionCount = 6;
    static constexpr float kTurnStep = 3.0f;
    static constexpr int kArenaEdge = 5000;

    explicit World(WorldImages images = WorldImages::Read);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // One game step: the arena clamp, the ship, the bolts, the enemies, the
    // hits, the effects and the win test, in that order. Never touches GL.
    void update();
    // Keeps where everything stands for the pictures of the coming tick: its
    // first job, before any input or rule moves anything.
    void rememberPlaces();
    // The rules that decide what the tick's pictures show, run once a tick
    // after the step in the order the picture meets them: the capital ships'
    // shrink and flicker, the lit walls, the trail sparks' flips and the glow.
    void advancePictureState();
    // Draws one picture of the world under the camera the render pass set.
    // Changes nothing: it may run any number of times between two ticks.
    void draw(const WorldPicture& picture) const;
    void loadTextures();

    bool isGameOver() const { return gameOver; }
    void setGameOver(bool flag);
    void togglePause();
    void restart();
    int enemiesLeft() const;

    void spawnExplosion(const Vec3& position, int particleCount, float particleSize, float red,
                        float green, float blue);
    void emitTrails(const Vec3& position0, const Vec3& direction0, const Vec3& spreadA0,
                    const Vec3& spreadB0, int count0, const Vec3& position1,
                    const Vec3& direction1, const Vec3& spreadA1, const Vec3& spreadB1,
                    int count1);

    void firePlayerBolt(const Vec3& start, const Vec3& direction);
    void firePlayerBoltAt(float x, float y, float z, float dx, float dy, float dz);
    void fireEnemyBolt(const Vec3& start, const Vec3& direction);
    // Outside unless both the bolt's position and the point one unit ahead lie strictly inside.
    bool isOutsideArena(const Bolt& bolt) const;

    void captureGlow(float fraction) const;
    void drawGlow(int level, float step) const;

    float turnStep = kTurnStep;
    std::unique_ptr<PlayerShip> player;
    std::unique_ptr<Skybox> skybox;
    std::unique_ptr<WaveSet> waves;
    int score = 0;
    PlayerBolt playerBolts[kPlayerBoltCount];
    int nextPlayerBolt = 0;
    EnemyBolt enemyBolts[kEnemyBoltCount];
    int nextEnemyBolt = 0;
    bool battleMusicStarted = false;
    EngineTrail trails[kTrailCount];
    Explosion explosions[kExplosionCount];
    int nextExplosion = 0;
    bool gameOver = false;
    bool paused = false;
    bool won = false;
    bool victoryMusicStarted = false;
    unsigned glowTexture = 0;
    bool pitchedThisFrame = false;
    int glowLevel = 0;
    int glowShown = 0;  // the level this tick's pictures show (0: none)

private:
    // The rule steps of a game step, in the order the step runs them.
    void absorbBoltsInBlocks();
    void hitCapitalShips();
    void hitPlayer();
    void checkWin();
};

// The single world of the running game.
World* createWorld(WorldImages images = WorldImages::Read);
World* getWorld();
// Ends the current world (tests build a fresh one for every case).
void destroyWorld();
