#include "entities/player_ship.h"

#include <GL/gl.h>

#include "entities/enemy_bolt.h"
#include "entities/gl_rotation.h"
#include "entities/matrix4.h"
#include "state/sound_cues.h"
#include "world/world.h"

namespace {
constexpr float kOneSixth = 1.0f / 6.0f;
constexpr float kHalfWidth = 0.8f;
constexpr float kHalfHeight = 1.0f;
constexpr float kNoseLength = 0.9f;
constexpr float kTailLength = 1.8f;
}  // namespace

PlayerShip::PlayerShip() { refreshPoints(); }

void PlayerShip::turn(float degrees, float axisX, float axisY, float axisZ) {
    // The same rotation the GL builds for glRotatef(-degrees, axis), applied in the ship's frame.
    Matrix4 rotation = glRotationMatrix(-degrees, axisX, axisY, axisZ);
    float values[16];
    rotation.get(values);
    Matrix4 b;
    b.setAffine(values);
    const float frame[16] = {right.x,   right.y,   right.z,   0.0f, up.x, up.y, up.z, 0.0f,
                             forward.x, forward.y, forward.z, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f};
    Matrix4 o;
    o.setAffine(frame);
    Matrix4 n;
    o.multiplyAffine(b, n);
    right = Vec3(n[0], n[1], n[2]);
    up = Vec3(n[4], n[5], n[6]);
    forward = Vec3(n[8], n[9], n[10]);
    refreshPoints();
}

void PlayerShip::pitch(float degrees) { turn(degrees, 1.0f, 0.0f, 0.0f); }

void PlayerShip::roll(float degrees) { turn(degrees, 0.0f, 0.0f, 1.0f); }

void PlayerShip::fire() {
    if (fireCooldown <= 0) {
        fireRequested = true;
        fireCooldown = kFireCooldown;
    }
}

int PlayerShip::update() {
    if (fireCooldown > 0) fireCooldown -= 1;
    World* world = getWorld();
    if (fireRequested) {
        for (const Vec3& muzzle : muzzles) world->firePlayerBolt(muzzle, forward);
        playLaserSound();
        fireRequested = false;
    }
    // The trails keep coming from the ship, also after it has been destroyed.
    const Vec3 backward = -forward;
    world->emitTrails(nozzles[0], backward, up, right, kTrailParticles, nozzles[1], backward, up,
                      right, kTrailParticles);
    return 0;
}

void PlayerShip::draw() const { drawAt(1.0f); }

void PlayerShip::drawAt(float fraction) const {
    if (state == Inactive) return;
    glPushMatrix();
    drawIn(frameAt(fraction));
    glPopMatrix();
}

void PlayerShip::advance() {
    position += forward * kSpeed;
    roll(0.0f);
    computeHull();
}

void PlayerShip::takeDamage(float amount) {
    if (invincible) return;
    health -= amount;
    if (health <= 0.0f) {
        state = Inactive;
        health = 0.0f;
        World* world = getWorld();
        world->spawnExplosion(position, 30, 10.0f, 0.0f, 0.0f, 1.0f);
        world->setGameOver(true);
    }
}

bool PlayerShip::hitByBolt(const EnemyBolt& bolt) const {
    // From where the bolt was before its last move to its drawn tip now.
    const Vec3 start = bolt.position - bolt.direction * bolt.speed;
    const Vec3 end = bolt.position + bolt.direction * bolt.length;
    return hull.hitBySegment(start, end, bolt.direction);
}

void PlayerShip::reset() {
    setPosition(0.0f, 0.0f, 0.0f);
    activate();
    health = 1.0f;
    invincible = false;
    forward = Vec3(0.0f, 0.0f, -1.0f);
    up = Vec3(0.0f, 1.0f, 0.0f);
    right = Vec3(1.0f, 0.0f, 0.0f);
    roll(0.0f);
    rememberFrame();  // back at the start: pictures show it there, not flying back
}

Vec3 PlayerShip::cockpitEye() const { return position + cameraOffset; }

Vec3 PlayerShip::chaseEye() const { return position + cameraOffset + up * 3.0f - forward * 15.0f; }

Vec3 PlayerShip::eyeOf(const ShipFrame& frame, int cameraMode) {
    // The same arithmetic, in the same order, as the camera offset and the eyes above.
    const Vec3 offset = frame.up * 0.5f - frame.forward * kOneSixth;
    if (cameraMode == 1) return frame.position + offset;
    if (cameraMode == 2) return frame.position + offset + frame.up * 3.0f - frame.forward * 15.0f;
    return frame.position + offset + frame.up * 48.0f - frame.forward * 240.0f;
}

Vec3 PlayerShip::deathEye() const {
    return position + cameraOffset + up * 48.0f - forward * 240.0f;
}

void PlayerShip::refreshPoints() {
    cameraOffset = up * 0.5f - forward * kOneSixth;
    const Vec3 exhaust = up * 0.4f - forward * 1.8f;
    nozzles[0] = position + right * 0.35f + exhaust;
    nozzles[1] = position - right * 0.35f + exhaust;
    muzzles[0] = position + up * 0.4f + right * 0.7f;
    muzzles[1] = position + up * 0.4f - right * 0.7f;
    muzzles[2] = position - up * 0.1f + right * 0.6f;
    muzzles[3] = position - up * 0.1f - right * 0.6f;
    computeHull();
}

void PlayerShip::computeHull() {
    hull.facePoints[0] = position + right * kHalfWidth;
    hull.faceNormals[0] = right;
    hull.facePoints[1] = position - right * kHalfWidth;
    hull.faceNormals[1] = -right;
    hull.facePoints[2] = position + up * kHalfHeight;
    hull.faceNormals[2] = up;
    hull.facePoints[3] = position - up * kHalfHeight;
    hull.faceNormals[3] = -up;
    hull.facePoints[4] = position + forward * kNoseLength;
    hull.faceNormals[4] = forward;
    hull.facePoints[5] = position - forward * kTailLength;
    hull.faceNormals[5] = -forward;
}
