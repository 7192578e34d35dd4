// The rule steps of a game step: which pairs are tested for hits, in which
// order, and what a hit, a death and the win do.
#include "entities/wave_set.h"
#include "state/sound_cues.h"
#include "world/world.h"

namespace {
constexpr float kEnemyBoltDamage = 0.01f;
constexpr float kRammingDamage = 1.0f;
}  // namespace

// Turret blocks stop every bolt that enters them; a player bolt also meets the
// block's turrets, whether or not the block stopped it.
void World::absorbBoltsInBlocks() {
    for (auto& block : waves->blocks) {
        for (EnemyBolt& bolt : enemyBolts) {
            if (bolt.state == Active && block->absorbsBolt(bolt)) bolt.state = Inactive;
        }
        for (PlayerBolt& bolt : playerBolts) {
            if (bolt.state != Active) continue;
            if (block->absorbsBolt(bolt)) {
                bolt.state = Inactive;
                block->countHit();
            }
            block->hitTurrets(bolt);
        }
    }
}

void World::hitCapitalShips() {
    for (auto& ship : waves->capitalShips) {
        for (PlayerBolt& bolt : playerBolts) {
            if (bolt.state == Active && ship->hitByPlayerBolt(bolt)) bolt.state = Inactive;
        }
    }
}

// Enemy bolts and enemy bodies against the ship; runs only while the game is not over.
void World::hitPlayer() {
    for (EnemyBolt& bolt : enemyBolts) {
        if (bolt.state == Active && player->hitByBolt(bolt)) {
            bolt.state = Inactive;
            player->takeDamage(kEnemyBoltDamage);
        }
    }
    for (auto& block : waves->blocks) {
        for (const Vec3& probe : player->hull.facePoints) {
            if (block->containsPoint(probe.x, probe.y, probe.z)) player->takeDamage(kRammingDamage);
        }
    }
    for (auto& ship : waves->capitalShips) {
        for (const Vec3& probe : player->hull.facePoints) {
            if (ship->state != Inactive && ship->containsPoint(probe.x, probe.y, probe.z)) {
                player->takeDamage(kRammingDamage);
            }
        }
    }
    if (!battleMusicStarted) {
        sendSoundCommand("play background0.mp3 from 0 repeat");
        battleMusicStarted = true;
        sendSoundCommand("play siren.wav from 0");
    }
}

void World::checkWin() {
    if (waves->enemiesLeft == 0 || won) {
        won = true;
        player->invincible = true;
        if (!victoryMusicStarted) {
            sendSoundCommand("stop background0.mp3");
            sendSoundCommand("play gamebeat.mp3 from 0");
            victoryMusicStarted = true;
        }
    }
}
