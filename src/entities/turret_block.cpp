#include "entities/turret_block.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>

#include <cstring>

#include "entities/player_bolt.h"
#include "gfx/draw_path.h"
#include "gfx/eye_point.h"
#include "gfx/texture_upload.h"
#include "platform/gl_multitexture.h"
#include "world/hsv_to_rgb.h"

namespace {
constexpr float kBlockSize = 400.0f;
constexpr float kHullHueStep = 0.3f;
constexpr float kColourHueStep = 0.1f;
constexpr float kFullCircle = 360.0f;
constexpr int kCounterSide = 8;
constexpr std::uint8_t kLitTexel = 255;
constexpr std::uint8_t kDarkTexel = 30;

// The unit cube: six faces of four corners, each corner given by its signs.
// Every face takes the texture corners (0,0) (1,0) (1,1) (0,1) in order.
constexpr float kCubeQuads[6][4][3] = {
    {{-0.5f, -0.5f, -0.5f}, {0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, -0.5f}, {-0.5f, 0.5f, -0.5f}},
    {{-0.5f, -0.5f, -0.5f}, {-0.5f, 0.5f, -0.5f}, {-0.5f, 0.5f, 0.5f}, {-0.5f, -0.5f, 0.5f}},
    {{0.5f, -0.5f, -0.5f}, {0.5f, 0.5f, -0.5f}, {0.5f, 0.5f, 0.5f}, {0.5f, -0.5f, 0.5f}},
    {{-0.5f, -0.5f, 0.5f}, {0.5f, -0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}, {-0.5f, 0.5f, 0.5f}},
    {{-0.5f, -0.5f, -0.5f}, {0.5f, -0.5f, -0.5f}, {0.5f, -0.5f, 0.5f}, {-0.5f, -0.5f, 0.5f}},
    {{0.5f, 0.5f, -0.5f}, {-0.5f, 0.5f, -0.5f}, {-0.5f, 0.5f, 0.5f}, {0.5f, 0.5f, 0.5f}},
};
constexpr float kCubeTexCoords[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
constexpr unsigned kAllFaces = 0x3F;

// The faces of the unit cube at the current matrix that face the eye, one bit
// per face of kCubeQuads. From outside a closed cube the others lie behind
// them and never show, so skipping them leaves the picture as it was and
// saves the renderer a second layer of fill. From inside, in wireframe, or
// on the one-by-one reference path, every face is drawn.
unsigned facesToDraw() {
    if (drawPath == DrawPath::OneByOne) return kAllFaces;
    GLint polygonMode[2] = {GL_FILL, GL_FILL};
    glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    if (polygonMode[0] != GL_FILL || polygonMode[1] != GL_FILL) return kAllFaces;
    const Vec3 eye = eyeInModelSpace();
    const bool outsideX = eye.x < -0.5f || eye.x > 0.5f;
    const bool outsideY = eye.y < -0.5f || eye.y > 0.5f;
    const bool outsideZ = eye.z < -0.5f || eye.z > 0.5f;
    if (!outsideX && !outsideY && !outsideZ) return kAllFaces;
    const bool facing[6] = {eye.z < -0.5f, eye.x < -0.5f, eye.x > 0.5f,
                            eye.z > 0.5f,  eye.y < -0.5f, eye.y > 0.5f};
    unsigned faces = 0;
    for (int face = 0; face < 6; ++face) faces |= facing[face] ? 1u << face : 0u;
    return faces;
}
}  // namespace

TurretBlock::TurretBlock() : hue(0.0f), hueStep(kHullHueStep), size(kBlockSize) {}

TurretBlock::TurretBlock(int startHue)
    : hue(static_cast<float>(startHue)), hueStep(kColourHueStep), size(kBlockSize) {}

void TurretBlock::setPosition(const Vec3& p) { setPosition(p.x, p.y, p.z); }

void TurretBlock::setPosition(float x, float y, float z) {
    position = Vec3(x, y, z);
    const float h = static_cast<float>(static_cast<int>(size * 0.5f));
    box.min = Vec3(x - h, y - h, z - h);
    box.max = Vec3(x + h, y + h, z + h);
}

int TurretBlock::update() {
    int scratch = 0;
    updateCounting(scratch);
    return state;
}

void TurretBlock::placeTurrets() {
    const float half = size * 0.5f;
    const float x = position.x;
    const float y = position.y;
    const float z = position.z;
    turrets[0].setPosition(x + half, y, z);
    turrets[1].setPosition(x - half, y, z);
    turrets[2].setPosition(x, y + half, z);
    turrets[3].setPosition(x, y - half, z);
    turrets[4].setPosition(x, y, z + half);
    turrets[5].setPosition(x, y, z - half);
}

void TurretBlock::updateCounting(int& count) {
    count = 0;
    hue += hueStep;
    // No carry: a hue of exactly 360 stays for one step.
    if (hue > kFullCircle) hue = 0.0f;

    if (armed) {
        for (Turret& turret : turrets) {
            if (turret.update() == 0) count += 1;
        }
        // The block never moves, so this changes nothing once the level has
        // placed the turrets; it keeps a block placed by hand in a test right.
        placeTurrets();
    }

    if (counterDisplay) {
        std::uint8_t image[sizeof counterImage];
        buildCounterImage(image);
        // The texture is refilled by the next draw, and only when the image changed.
        if (std::memcmp(image, counterImage, sizeof counterImage) != 0) {
            std::memcpy(counterImage, image, sizeof counterImage);
            counterImageDirty = true;
        }
    }
}

void TurretBlock::buildCounterImage(std::uint8_t* image) const {
    int interiorCell = 0;
    for (int row = 0; row < kCounterSide; ++row) {
        for (int column = 0; column < kCounterSide; ++column) {
            std::uint8_t* texel = image + (row * kCounterSide + column) * 4;
            const bool border =
                row == 0 || row == kCounterSide - 1 || column == 0 || column == kCounterSide - 1;
            std::uint8_t level = kLitTexel;
            if (!border) {
                level = interiorCell < hitCount ? kLitTexel : kDarkTexel;
                interiorCell += 1;
            }
            texel[0] = level;
            texel[1] = level;
            texel[2] = level;
            texel[3] = 255;
        }
    }
}

bool TurretBlock::absorbsBolt(const Bolt& bolt) const {
    return box.contains(bolt.position) || box.contains(bolt.tip());
}

void TurretBlock::hitTurrets(const PlayerBolt& bolt) {
    for (Turret& turret : turrets) {
        if (turret.state == Active) turret.testHit(bolt);
    }
}

bool TurretBlock::containsPoint(float x, float y, float z) const { return box.contains(x, y, z); }

void TurretBlock::countHit() {
    if (!counterDisplay) return;
    hitCount += 1;
    if (hitCount > kCounterCells) hitCount = 0;
}

void TurretBlock::reviveTurrets() {
    for (Turret& turret : turrets) turret.activate();
}

void TurretBlock::loadTextures() {
    glEnable(GL_TEXTURE_2D);
    surfaceTexture = loadPpmTexture("square.ppm");
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_TEXTURE_2D);
    bumpTexture = loadPpmTexture("cubebump.ppm");
    glDisable(GL_TEXTURE_2D);
    glmt::loadMultitexture();
}

void TurretBlock::shareTextures(const TurretBlock& source) {
    surfaceTexture = source.surfaceTexture;
    bumpTexture = source.bumpTexture;
}

void TurretBlock::loadCounterTexture() {
    if (!counterDisplay) return;
    buildCounterImage(counterImage);
    uploadCounterImage();
}

void TurretBlock::uploadCounterImage() const {
    glEnable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (counterTexture == 0) glGenTextures(1, &counterTexture);
    glBindTexture(GL_TEXTURE_2D, counterTexture);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, kCounterSide, kCounterSide, GL_RGBA,
                      GL_UNSIGNED_BYTE, counterImage);
    glDisable(GL_TEXTURE_2D);
    counterImageDirty = false;
}

void TurretBlock::draw() const { drawAt(1.0f); }

void TurretBlock::drawAt(float fraction) const {
    if (armed) {
        for (const Turret& turret : turrets) turret.drawAt(fraction);
    }
    if (counterDisplay && counterImageDirty) uploadCounterImage();

    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    hsvToRgb(hue, 1.0f, 0.5f, &red, &green, &blue);
    glScalef(size, size, size);
    const unsigned faces = facesToDraw();
    // Without the multitexture facilities a hull block falls back to the one-unit drawing.
    if (bumpMapped && glmt::multitextureAvailable()) {
        drawTwoUnitCube(red, green, blue, faces);
    } else {
        drawOneUnitCube(red, green, blue, faces);
    }
    glPopMatrix();
}

void TurretBlock::drawTwoUnitCube(float red, float green, float blue, unsigned faces) const {
    glEnable(GL_TEXTURE_2D);
    glmt::glActiveTextureARB(GL_TEXTURE0_ARB);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, bumpTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_MODULATE);

    glmt::glActiveTextureARB(GL_TEXTURE1_ARB);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, surfaceTexture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_ADD);

    glColor3f(red, green, blue);
    glBegin(GL_QUADS);
    for (int face = 0; face < 6; ++face) {
        if ((faces & (1u << face)) == 0) continue;
        for (int corner = 0; corner < 4; ++corner) {
            const float s = kCubeTexCoords[corner][0];
            const float t = kCubeTexCoords[corner][1];
            glmt::glMultiTexCoord2fARB(GL_TEXTURE0_ARB, s, t);
            glmt::glMultiTexCoord2fARB(GL_TEXTURE1_ARB, s, t);
            const float* v = kCubeQuads[face][corner];
            glVertex3f(v[0], v[1], v[2]);
        }
    }
    glEnd();

    // Leave both units off and unit 0 active: later drawing assumes one plain unit.
    glmt::glActiveTextureARB(GL_TEXTURE1_ARB);
    glDisable(GL_TEXTURE_2D);
    glmt::glActiveTextureARB(GL_TEXTURE0_ARB);
    glDisable(GL_TEXTURE_2D);
}

void TurretBlock::drawOneUnitCube(float red, float green, float blue, unsigned faces) const {
    glEnable(GL_TEXTURE_2D);
    // The effects pass later relies on this GL_MODULATE being left behind.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, counterDisplay ? counterTexture : surfaceTexture);
    glColor3f(red, green, blue);
    glBegin(GL_QUADS);
    for (int face = 0; face < 6; ++face) {
        if ((faces & (1u << face)) == 0) continue;
        for (int corner = 0; corner < 4; ++corner) {
            glTexCoord2f(kCubeTexCoords[corner][0], kCubeTexCoords[corner][1]);
            const float* v = kCubeQuads[face][corner];
            glVertex3f(v[0], v[1], v[2]);
        }
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
