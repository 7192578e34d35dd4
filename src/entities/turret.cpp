#include "entities/turret.h"

#include <GL/freeglut.h>
#include <GL/gl.h>

#include <cmath>
#include <numbers>

#include "entities/frame_blend.h"
#include "entities/player_bolt.h"
#include "entities/random.h"
#include "gfx/draw_path.h"
#include "state/sound_cues.h"
#include "world/world.h"

namespace {
constexpr float kTurretScale = 5.0f;
constexpr float kBoxHalfPerScale = 3.0f;  // the base cube is 3 model units wide
constexpr float kScatterRange = 0.01f;  // each aim component moves by -0.005 up to 0.005
constexpr float kScatterHalf = 0.005f;
constexpr int kExplosionParticles = 100;
constexpr int kScore = 100;

// The barrel: a unit box from z = 0 to z = 1, six faces of four corners.
constexpr float kBarrelQuads[6][4][3] = {
    {{-0.5f, -0.5f, 0.0f}, {-0.5f, 0.5f, 0.0f}, {0.5f, 0.5f, 0.0f}, {0.5f, -0.5f, 0.0f}},
    {{-0.5f, -0.5f, 0.0f}, {-0.5f, -0.5f, 1.0f}, {-0.5f, 0.5f, 1.0f}, {-0.5f, 0.5f, 0.0f}},
    {{0.5f, -0.5f, 0.0f}, {0.5f, -0.5f, 1.0f}, {0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 0.0f}},
    {{-0.5f, -0.5f, 0.0f}, {-0.5f, -0.5f, 1.0f}, {0.5f, -0.5f, 1.0f}, {0.5f, -0.5f, 0.0f}},
    {{-0.5f, 0.5f, 0.0f}, {-0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 0.0f}},
    {{-0.5f, -0.5f, 1.0f}, {-0.5f, 0.5f, 1.0f}, {0.5f, 0.5f, 1.0f}, {0.5f, -0.5f, 1.0f}},
};
}  // namespace

Turret::Turret() {
    scale = kTurretScale;
    state = Active;
    // Staggered first shots, so the turrets do not all fire together.
    cooldown = randomGunCooldown();
}

void Turret::setPosition(const Vec3& p) { setPosition(p.x, p.y, p.z); }

void Turret::setPosition(float x, float y, float z) {
    position = Vec3(x, y, z);
    const float h = static_cast<float>(static_cast<int>(scale * kBoxHalfPerScale));
    box.min = Vec3(x - h, y - h, z - h);
    box.max = Vec3(x + h, y + h, z + h);
}

void Turret::activate() { state = Active; }

int Turret::update() {
    if (state == Inactive) return Inactive;
    World* world = getWorld();
    // Aim every step so the barrel tracks the ship between shots too.
    aim = world->player->position - position;
    aim.normalize();
    if (cooldown > 0) {
        cooldown -= 1;
        return 0;
    }
    // The three scatter draws go to x, y and z in that order.
    const float dx = randUnit() * kScatterRange - kScatterHalf;
    aim.x += dx;
    const float dy = randUnit() * kScatterRange - kScatterHalf;
    aim.y += dy;
    const float dz = randUnit() * kScatterRange - kScatterHalf;
    aim.z += dz;
    aim.normalize();
    world->fireEnemyBolt(position, aim);
    cooldown = randomGunCooldown();
    return 0;
}

void Turret::aimAngles(float& rotX, float& rotY) const { aimAngles(aim, rotX, rotY); }

void Turret::aimAngles(const Vec3& aim, float& rotX, float& rotY) {
    if (aim.x == 0.0f && aim.y == 0.0f && aim.z == 0.0f) {
        rotX = 0.0f;
        rotY = 0.0f;
        return;
    }
    constexpr float kDegreesPerRadian = 180.0f * (1.0f / std::numbers::pi_v<float>);
    rotX = -std::asin(aim.y) * kDegreesPerRadian;
    rotY = std::asin(aim.x) * kDegreesPerRadian;
    // asin alone cannot face backwards: flip the pitch over for targets behind.
    if (aim.z < 0.0f) rotX = -180.0f - rotX;
}

bool Turret::testHit(const PlayerBolt& bolt) {
    if (state == Inactive) return true;
    if (!box.contains(bolt.position) && !box.contains(bolt.tip())) return false;
    getWorld()->spawnExplosion(position, kExplosionParticles, 1.0f, 1.0f, 0.3f, 0.0f);
    playSmallExplode();
    state = Inactive;
    getWorld()->score += kScore;
    return true;
}

namespace {
void drawBase() { glutSolidCube(3.0); }

void drawBarrel() {
    glPushMatrix();
    glColor3f(0.3f, 0.3f, 0.3f);
    glScalef(1.0f, 1.0f, 3.0f);
    glBegin(GL_QUADS);
    for (const auto& face : kBarrelQuads) {
        for (const auto& corner : face) glVertex3f(corner[0], corner[1], corner[2]);
    }
    glEnd();
    glTranslatef(0.0f, 0.0f, 0.8f);
    glColor3f(0.0f, 0.0f, 0.0f);
    glutSolidCube(0.5);
    glPopMatrix();
}

// The base's list, followed by the barrel's: compiled once, 120 turrets a
// frame then cost two calls each instead of GLUT's cube set-up and a glBegin.
GLuint turretLists() {
    static GLuint lists = 0;
    if (lists == 0) {
        lists = glGenLists(2);
        glNewList(lists, GL_COMPILE);
        drawBase();
        glEndList();
        glNewList(lists + 1, GL_COMPILE);
        drawBarrel();
        glEndList();
    }
    return lists;
}
}  // namespace

void Turret::draw() const { drawAt(1.0f); }

void Turret::drawAt(float fraction) const {
    if (state == Inactive) return;
    const bool oneByOne = drawPath == DrawPath::OneByOne;
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glColor4f(0.2f, 0.2f, 0.2f, alpha);
    glScalef(scale, scale, scale);
    if (oneByOne) {
        drawBase();
    } else {
        glCallList(turretLists());
    }

    float rotX = 0.0f;
    float rotY = 0.0f;
    aimAngles(fraction == 1.0f ? aim : blendDirection(previousAim, aim, fraction), rotX, rotY);
    glRotatef(rotX, 1.0f, 0.0f, 0.0f);
    glRotatef(rotY, 0.0f, 1.0f, 0.0f);

    if (oneByOne) {
        drawBarrel();
    } else {
        glCallList(turretLists() + 1);
    }
    glPopMatrix();
}
