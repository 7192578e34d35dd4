#include "scripted_game.h"

#include <cmath>
#include <functional>

#include "entities/game_random.h"
#include "entities/wave_set.h"
#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "world/command_queue.h"
#include "world/demo_recording.h"
#include "world/game_tick.h"
#include "world/state_hash.h"
#include "world/world.h"
#include "world/world_options.h"

namespace {
constexpr unsigned kSeed = 20261207;
// Bounds on the milestones: several times what they take today, so only a
// rule change that makes one impossible (or far slower) stops the build.
constexpr long kMaxFightTicks = 3000;
constexpr long kMaxCrashTicks = 1000;
// The colour block the player flies into to die: the nearest one ahead of the start.
constexpr Vec3 kCrashTarget = {250.0f, 250.0f, -1000.0f};
// How far off the nose (as a share of the distance) the target may lie before the autopilot turns.
constexpr float kRollSlack = 0.05f;
constexpr float kPitchSlack = 0.02f;

// Plays the script tick by tick as a player at the keyboard would, and
// folds each tick's digests into the fingerprint.
class ScriptedPlayer {
public:
    ScriptedPlayer() {
        seedGameRandom(kSeed);
        world = createWorld(WorldImages::Skip);
        overlay = createOverlay();
        resetOptions();
        resetInput();
        clearQueuedCommands();
    }
    ~ScriptedPlayer() {
        destroyOverlay();
        destroyWorld();
    }
    ScriptedPlayer(const ScriptedPlayer&) = delete;
    ScriptedPlayer& operator=(const ScriptedPlayer&) = delete;

    bool play(ScriptedGame& result, std::string& error);

private:
    void tick() {
        runTick();
        ticks += 1;
        // The tick's digest starts from the step's (worldStepHash), so it covers both.
        fold(tickStateHash(*world, *overlay));
    }
    void ticksFor(long count) {
        for (long i = 0; i < count; ++i) tick();
    }
    // Ticks until `done` holds, calling `beforeTick` before each; the tick it came, or 0 if not within `limit`.
    long tickUntil(const std::function<bool()>& done, long limit, const std::function<void()>& beforeTick) {
        for (long i = 0; i < limit; ++i) {
            if (done()) return ticks;
            beforeTick();
            tick();
        }
        return done() ? ticks : 0;
    }
    // Order-sensitive: two swapped ticks fold differently.
    void fold(std::uint64_t value) { fingerprint = (fingerprint ^ value) * 0x9e3779b97f4a7c15ull + (fingerprint >> 29); }

    // A key pressed and let go before the next tick.
    static void tap(unsigned char key) {
        queueKeyDown(key);
        queueKeyUp(key);
    }
    static void tapSpecial(int key) {
        queueSpecialDown(key);
        queueSpecialUp(key);
    }
    void holdArrow(int key, bool held) {
        bool& was = heldArrows[key - KeyLeft];
        if (was == held) return;
        held ? queueSpecialDown(key) : queueSpecialUp(key);
        was = held;
    }
    void releaseArrows() {
        for (int key : {KeyUp, KeyDown, KeyLeft, KeyRight}) holdArrow(key, false);
    }

    // A click on the first capital ship, whenever the bolt slot it would take is free:
    // a bolt needs longer to reach the ship than the pool takes to wrap at a click a tick.
    void fireAtFirstCapitalShip() {
        if (world->playerBolts[world->nextPlayerBolt].state != Inactive) return;
        const Vec3& from = world->player->position;
        queueFireAlong(PointerRay{from, world->waves->capitalShips[0]->position - from});
    }
    // Rolls until the target lies above the nose, then pulls the nose up to it.
    void steerTowards(const Vec3& target) {
        const PlayerShip& ship = *world->player;
        const Vec3 to = target - ship.position;
        const float distance = std::sqrt(to.dot(to));
        const float above = to.dot(ship.up);
        const float right = to.dot(ship.right);
        const bool offToTheSide = std::fabs(right) > kRollSlack * distance;
        holdArrow(KeyRight, offToTheSide ? right > 0.0f : above < 0.0f);
        holdArrow(KeyLeft, offToTheSide && right < 0.0f);
        holdArrow(KeyUp, above > kPitchSlack * distance || to.dot(ship.forward) < 0.0f);
    }

    World* world = nullptr;
    Overlay* overlay = nullptr;
    std::uint64_t fingerprint = 0;
    long ticks = 0;
    bool heldArrows[KeyDown - KeyLeft + 1] = {};  // GLUT numbers the arrows 100 to 103
};

bool ScriptedPlayer::play(ScriptedGame& result, std::string& error) {
    // The title screen, its ship turned by the arrows.
    ticksFor(10);
    tapSpecial(KeyLeft);
    tapSpecial(KeyUp);
    ticksFor(10);

    // Into the game, invincible, in the chase view where a click fires, looping near the start.
    tap(' ');
    tap('i');
    tap('3');
    holdArrow(KeyUp, true);
    const CapitalShip& firstShip = *world->waves->capitalShips[0];
    result.capitalShipDownAt = tickUntil([&] { return firstShip.state != Active; }, kMaxFightTicks,
                                         [&] { fireAtFirstCapitalShip(); });
    if (result.capitalShipDownAt == 0) {
        error = "the first capital ship still stands after " + std::to_string(kMaxFightTicks) + " ticks of fire";
        return false;
    }

    // Flying about with the guns held, a pause with a walk through its menu, then a win by '\'.
    releaseArrows();
    ticksFor(30);  // the ship's death shrink
    queueKeyDown(' ');
    holdArrow(KeyLeft, true);
    ticksFor(100);
    holdArrow(KeyLeft, false);
    holdArrow(KeyRight, true);
    holdArrow(KeyDown, true);
    ticksFor(100);
    queueKeyUp(' ');
    releaseArrows();
    ticksFor(50);
    tap('p');
    tick();
    for (int key : {KeyDown, KeyDown, KeyLeft, KeyRight}) {  // the invert option on and off
        tapSpecial(key);
        tick();
    }
    tap('p');
    ticksFor(50);
    tap('\\');
    ticksFor(40);

    // A restart, then invincibility off and a crash into a turret block.
    tap('r');
    ticksFor(40);
    tap('i');
    result.playerDownAt = tickUntil([&] { return world->gameOver; }, kMaxCrashTicks,
                                    [&] { steerTowards(kCrashTarget); });
    if (result.playerDownAt == 0) {
        error = "the player's ship still flies after " + std::to_string(kMaxCrashTicks) +
                " ticks of steering into a turret block";
        return false;
    }
    releaseArrows();
    ticksFor(60);

    // Another game, won at once.
    tap('r');
    ticksFor(40);
    tap('\\');
    ticksFor(40);

    result.ticks = ticks;
    fold(static_cast<std::uint64_t>(ticks));
    fold(static_cast<std::uint64_t>(result.capitalShipDownAt));
    fold(static_cast<std::uint64_t>(result.playerDownAt));
    result.fingerprint = fingerprint;
    return true;
}
}  // namespace

bool playScriptedGame(ScriptedGame& result, std::string& error, const std::string& recordTo) {
    ScriptedPlayer player;
    if (!recordTo.empty()) recordGamesTo(recordTo);
    const bool played = player.play(result, error);
    recordGamesTo("");  // ends the recording while its world still stands
    return played;
}
