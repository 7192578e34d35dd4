#pragma once
// The fixed, seeded scenes the frame benchmark times and the picture tests
// compare: the real start-up, the real World::draw and the real overlay, drawn
// without stepping the game so every frame of a scene shows the same thing.
#include <GL/freeglut.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/frame_loop.h"
#include "app/picture.h"
#include "gfx/overlay.h"
#include "world/overlay_step.h"
#include "entities/random.h"
#include "entities/turret_block.h"
#include "entities/wave_set.h"
#include "state/options.h"
#include "world/render_pass.h"
#include "world/world.h"

enum class FrameScene { Cockpit, ChaseGlow, Explosions, EnemyBolts, Title };

inline const char* frameSceneName(FrameScene scene) {
    static const char* const names[] = {"Cockpit", "ChaseGlow8", "SixExplosions", "EnemyBoltRing", "Title"};
    return names[static_cast<int>(scene)];
}

// Resizes the game's window and waits, up to ten seconds, until the X server
// has applied it. Call it before setting a scene up: a reshape asks GLUT for a game frame.
inline bool resizeGameWindow(int width, int height) {
    glutReshapeWindow(width, height);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        glutMainLoopEvent();
        if (glutGet(GLUT_WINDOW_WIDTH) == width && glutGet(GLUT_WINDOW_HEIGHT) == height) {
            // Let the frame the reshape asked for run now, not in the middle of a scene.
            for (int more = 0; more < 5; ++more) glutMainLoopEvent();
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

namespace frame_scenes_detail {
constexpr unsigned kSeed = 12;
constexpr int kOpeningSteps = 20;
constexpr int kExplosionSteps = 8;

// The world's half of as many ticks, the keys as they stand.
inline void stepGame(World& world, int steps) {
    for (int i = 0; i < steps; ++i) {
        world.rememberPlaces();
        stepWorldPass();
    }
}

// Six capital-ship bursts spread ahead of the ship, a few steps old.
inline void startExplosions(World& world) {
    const PlayerShip& ship = *world.player;
    for (int i = 0; i < World::kExplosionCount; ++i) {
        const float side = static_cast<float>(i % 3 - 1) * 120.0f;
        const float lift = static_cast<float>(i / 3) * 80.0f - 40.0f;
        const Vec3 centre = ship.position + ship.getForward() * (350.0f + 60.0f * i) + Vec3(side, lift, 0.0f);
        world.spawnExplosion(centre, 4000, 1.0f, 1.0f, 0.3f, 0.0f);
    }
    for (int step = 0; step < kExplosionSteps; ++step) {
        world.rememberPlaces();
        for (Explosion& explosion : world.explosions) explosion.update();
    }
}

// All 2000 enemy bolts in a block of space in front of the camera, heading
// every which way.
inline void fillEnemyBoltsInView(World& world) {
    const PlayerShip& ship = *world.player;
    const Vec3 forward = ship.getForward();
    const Vec3 up = ship.getUp();
    const Vec3 right(forward.y * up.z - forward.z * up.y, forward.z * up.x - forward.x * up.z,
                     forward.x * up.y - forward.y * up.x);
    for (int i = 0; i < World::kEnemyBoltCount; ++i) {
        const float depth = 150.0f + static_cast<float>(i / 100) * 25.0f;
        const float across = (static_cast<float>(i % 10) - 4.5f) * depth * 0.075f;
        const float high = (static_cast<float>((i / 10) % 10) - 4.5f) * depth * 0.075f;
        EnemyBolt& bolt = world.enemyBolts[i];
        bolt.setPosition(ship.position + forward * depth + right * across + up * high);
        Vec3 direction(static_cast<float>(i % 7) - 3.0f, static_cast<float>(i % 5) - 2.0f, static_cast<float>(i % 3) - 1.0f);
        if (direction.x == 0.0f && direction.y == 0.0f && direction.z == 0.0f) direction = up;
        direction.normalize();
        bolt.direction = direction;
        bolt.state = Active;
    }
}
}  // namespace frame_scenes_detail

// Puts the game into the scene's state: a fresh game after a few steps from
// a fixed seed, then the scene's own objects.
inline void setUpScene(FrameScene scene) {
    using namespace frame_scenes_detail;
    World& world = *getWorld();
    seedGameRandom(kSeed);
    world.restart();
    // The turrets' first cool-downs were drawn when the world was built, from
    // the clock's seed: drawn again, the scene is the same in every run.
    for (auto& block : world.waves->blocks)
        for (Turret& turret : block->turrets) turret.cooldown = randomGunCooldown();
    world.paused = false;
    for (PlayerBolt& bolt : world.playerBolts) bolt.state = Inactive;
    for (EnemyBolt& bolt : world.enemyBolts) bolt.state = Inactive;
    for (Explosion& explosion : world.explosions) explosion.start(Vec3(), 0, 1.0f, 0, 0, 0);
    for (Explosion& explosion : world.explosions) explosion.update();
    world.glowLevel = 0;
    gameState = scene == FrameScene::Title ? 0 : 1;
    optView = scene != FrameScene::ChaseGlow;
    chooseCameraMode();
    stepGame(world, kOpeningSteps);
    if (scene == FrameScene::Explosions) startExplosions(world);
    if (scene == FrameScene::EnemyBolts) fillEnemyBoltsInView(world);
}

// One picture of the scene as the game draws it (clear, viewport, world and
// overlay) at `fraction` of the step since the last one, finished by the GL, not swapped.
inline void drawSceneFrame(FrameScene scene, int width, int height, float fraction = 1.0f) {
    World& world = *getWorld();
    // Held at the top level: every step is a pitching step.
    if (scene == FrameScene::ChaseGlow) world.glowShown = 8;
    viewportWidth = width;
    viewportHeight = height;
    drawPicture(fraction);
    glFinish();
}
