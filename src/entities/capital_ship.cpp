#include "entities/capital_ship.h"

#include <GL/gl.h>

#include "entities/gl_rotation.h"
#include "entities/player_bolt.h"
#include "entities/random.h"
#include "state/sound_cues.h"
#include "world/world.h"

namespace {
constexpr float kShrinkPerDraw = 0.5f;
constexpr float kScatterRange = 0.01f;  // each aim component moves by -0.005 up to 0.005
constexpr float kScatterHalf = 0.005f;
constexpr int kScore = 10000;

// Model-space geometry in units of the scale: three guns on each broadside
// and the corners of the hull box, top face then bottom face.
constexpr Vec3 kGunPoints[CapitalShip::kGunCount] = {
    {7.0f, 2.0f, 10.0f},  {10.0f, 2.0f, 10.0f},  {14.0f, 2.0f, 10.0f},
    {7.0f, 2.0f, -10.0f}, {10.0f, 2.0f, -10.0f}, {14.0f, 2.0f, -10.0f},
};
constexpr Vec3 kGunDirections[CapitalShip::kGunCount] = {
    {0.0f, 0.0f, 1.0f},  {0.0f, 0.0f, 1.0f},  {0.0f, 0.0f, 1.0f},
    {0.0f, 0.0f, -1.0f}, {0.0f, 0.0f, -1.0f}, {0.0f, 0.0f, -1.0f},
};
constexpr Vec3 kCorners[8] = {
    {-60.0f, 5.0f, -15.0f}, {-60.0f, 5.0f, 15.0f}, {60.0f, 5.0f, 15.0f}, {60.0f, 5.0f, -15.0f},
    {-60.0f, -9.0f, -15.0f}, {-60.0f, -9.0f, 15.0f}, {60.0f, -9.0f, 15.0f}, {60.0f, -9.0f, -15.0f},
};
}  // namespace

CapitalShip::CapitalShip() {
    scale = kStartScale;
    hitPoints = kStartHitPoints;
    hitFlash = 0;
    state = Active;
    rollGunTimer(-1);
}

void CapitalShip::rollGunTimer(int gun) {
    if (gun == -1) {
        for (int& timer : gunTimers) timer = randomGunCooldown();
    } else {
        gunTimers[gun] = randomGunCooldown();
    }
}

void CapitalShip::reset() {
    activate();
    scale = kStartScale;
    hitPoints = kStartHitPoints;
    hitFlash = 0;
    rollGunTimer(-1);
}

Matrix4 CapitalShip::rotationMatrix(float angleX, float angleY, float angleZ) {
    // What the GL leaves in the modelview after loading the identity and
    // rotating about x, then y, then z.
    Matrix4 m = glMultiply(Matrix4(), glRotationMatrix(angleX, 1.0f, 0.0f, 0.0f));
    m = glMultiply(m, glRotationMatrix(angleY, 0.0f, 1.0f, 0.0f));
    return glMultiply(m, glRotationMatrix(angleZ, 0.0f, 0.0f, 1.0f));
}

Vec3 CapitalShip::rotateToWorld(const Matrix4& m, const Vec3& v, bool flipZ) {
    // The transpose of the rotation part; with an angle of exactly 90 degrees
    // z is mirrored as well, which puts the guns where the drawn model has them.
    Vec3 r(m[0] * v.x + m[1] * v.y + m[2] * v.z, m[4] * v.x + m[5] * v.y + m[6] * v.z,
           m[8] * v.x + m[9] * v.y + m[10] * v.z);
    if (flipZ) r.z = -r.z;
    return r;
}

void CapitalShip::placeGeometry() {
    const float s = scale;
    const Matrix4 m = rotationMatrix(angleX, angleY, angleZ);
    const bool flipZ = angleX == 90.0f || angleY == 90.0f || angleZ == 90.0f;

    for (int i = 0; i < kGunCount; ++i) {
        const Vec3& g = kGunPoints[i];
        gunPoints[i] = rotateToWorld(m, Vec3(g.x * s, g.y * s, g.z * s), flipZ) + position;
        gunDirections[i] = rotateToWorld(m, kGunDirections[i], flipZ);
    }
    for (int i = 0; i < 8; ++i) {
        const Vec3& c = kCorners[i];
        corners[i] = rotateToWorld(m, Vec3(c.x * s, c.y * s, c.z * s), flipZ);
    }

    // The corners with the smallest and largest x + y + z span the box; on a
    // tie the lower-numbered corner keeps its place.
    int lowest = 0;
    int highest = 0;
    float lowestSum = corners[0].x + corners[0].y + corners[0].z;
    float highestSum = lowestSum;
    for (int i = 1; i < 8; ++i) {
        const float sum = corners[i].x + corners[i].y + corners[i].z;
        if (sum < lowestSum) {
            lowestSum = sum;
            lowest = i;
        }
        if (sum > highestSum) {
            highestSum = sum;
            highest = i;
        }
    }
    box.min = position + corners[lowest];
    box.max = position + corners[highest];
}

int CapitalShip::update() {
    if (state == Inactive) return Inactive;
    // Rebuilt every step from the scale, so the guns and box shrink while dying.
    placeGeometry();

    // Every ship is drawn in every picture: the game's view test could never leave one out.
    World* world = getWorld();
    const Vec3 target = world->player->position;
    for (int i = 0; i < kGunCount; ++i) {
        Vec3 d = target - gunPoints[i];
        d.normalize();
        if (gunTimers[i] > 0) {
            gunTimers[i] -= 1;
            continue;
        }
        // A broadside gun only fires into its own half-space; it re-arms either way.
        if (d.dot(gunDirections[i]) > 0.0f) {
            const float dx = randUnit() * kScatterRange - kScatterHalf;
            d.x += dx;
            const float dy = randUnit() * kScatterRange - kScatterHalf;
            d.y += dy;
            const float dz = randUnit() * kScatterRange - kScatterHalf;
            d.z += dz;
            d.normalize();
            world->fireEnemyBolt(gunPoints[i], d);
        }
        rollGunTimer(i);
    }
    return 0;
}

void CapitalShip::advanceDrawState() {
    // They run after the step's rules, also while the game is paused, as the
    // picture of each step always has.
    shown = true;
    if (state == Dying) {
        scale -= kShrinkPerDraw;
        if (scale < 0.0f) state = Inactive;
    } else if (hitFlash > 0) {
        hitFlash -= 1;
        const int r = static_cast<int>(randUnit() * 4.0f - 2.0f);
        if (r > 0) shown = false;  // one tick in four is skipped
    }
    if (state == Inactive) shown = false;
}

void CapitalShip::draw() const {
    if (!shown || state == Inactive) return;
    glDisable(GL_BLEND);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glScalef(scale, scale, scale);
    glRotatef(angleX, 1.0f, 0.0f, 0.0f);
    glRotatef(angleY, 0.0f, 1.0f, 0.0f);
    glRotatef(angleZ, 0.0f, 0.0f, 1.0f);
    model.draw();
    glPopMatrix();
    glEnable(GL_BLEND);
}

bool CapitalShip::hitByPlayerBolt(const PlayerBolt& bolt) {
    if (state != Active) return false;  // bolts pass through a dying ship
    if (!box.contains(bolt.position) && !box.contains(bolt.tip())) return false;
    hitPoints -= 1.0f;
    hitFlash = 1;
    if (hitPoints <= 0.0f) {
        playBigExplode();
        World* world = getWorld();
        world->spawnExplosion(position, kExplosionParticles, 1.0f, 1.0f, 0.3f, 0.0f);
        world->score += kScore;
        state = Dying;
    }
    return true;
}

bool CapitalShip::containsPoint(float x, float y, float z) const {
    if (state == Dying) return false;
    return box.contains(x, y, z);
}

void CapitalShip::loadTextures() { model.build(); }
