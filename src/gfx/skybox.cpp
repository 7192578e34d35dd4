#include "gfx/skybox.h"

#include <GL/gl.h>

#include "entities/player_ship.h"
#include "gfx/texture_upload.h"

namespace {
const char* const kFaceFiles[Skybox::kFaceCount] = {"sky_up.ppm",   "sky_down.ppm",
                                                   "sky_front.ppm", "sky_back.ppm",
                                                   "sky_left.ppm",  "sky_right.ppm"};
const char* const kTouchedFaceFiles[Skybox::kFaceCount] = {
    "sky_up2.ppm", "sky_down2.ppm", "sky_front2.ppm", "sky_back2.ppm", "sky_left2.ppm",
    "sky_right2.ppm"};

// The wall each face covers, as an index into wallTouched.
constexpr int kFaceWall[Skybox::kFaceCount] = {Skybox::WallPlusY, Skybox::WallMinusY,
                                               Skybox::WallPlusZ, Skybox::WallMinusZ,
                                               Skybox::WallPlusX, Skybox::WallMinusX};

// Per face: four corners as texture s, t and the signs of x, y, z (scaled by halfSize).
struct Corner {
    float s, t;
    float x, y, z;
};
constexpr Corner kFaceCorners[Skybox::kFaceCount][4] = {
    {{1, 1, -1, 1, -1}, {0, 1, 1, 1, -1}, {0, 0, 1, 1, 1}, {1, 0, -1, 1, 1}},      // up
    {{1, 1, 1, -1, -1}, {0, 1, -1, -1, -1}, {0, 0, -1, -1, 1}, {1, 0, 1, -1, 1}},  // down
    {{0, 0, 1, -1, 1}, {1, 0, -1, -1, 1}, {1, 1, -1, 1, 1}, {0, 1, 1, 1, 1}},      // front
    {{0, 0, -1, -1, -1}, {1, 0, 1, -1, -1}, {1, 1, 1, 1, -1}, {0, 1, -1, 1, -1}},  // back
    {{1, 0, 1, -1, 1}, {1, 1, 1, 1, 1}, {0, 1, 1, 1, -1}, {0, 0, 1, -1, -1}},      // left (x = +h)
    {{1, 0, -1, -1, -1}, {1, 1, -1, 1, -1}, {0, 1, -1, 1, 1}, {0, 0, -1, -1, 1}},  // right (x = -h)
};
constexpr int kDrawOrder[Skybox::kFaceCount] = {0, 1, 2, 3, 5, 4};

// Clamps one coordinate into [-limit, limit], flagging the wall it was pushed from.
void clampAxis(float& value, float limit, bool& positiveWall, bool& negativeWall) {
    if (value > limit) {
        value = limit;
        positiveWall = true;
    }
    if (value < -limit) {
        value = -limit;
        negativeWall = true;
    }
}
}  // namespace

Skybox::Skybox(int edgeLength, bool readImages) {
    for (int i = 0; i < kFaceCount; ++i) {
        faceImages[i] = readImages ? std::make_unique<PpmImage>(kFaceFiles[i]) : std::make_unique<PpmImage>();
    }
    halfSize = edgeLength / 2;
    for (int i = 0; i < kFaceCount; ++i) {
        touchedFaceImages[i] = readImages ? std::make_unique<PpmImage>(kTouchedFaceFiles[i])
                                          : std::make_unique<PpmImage>();
    }
    const float h = static_cast<float>(halfSize);
    arenaBox.min = Vec3(-h, -h, -h);
    arenaBox.max = Vec3(h, h, h);
}

Skybox::~Skybox() = default;

void Skybox::loadTextures() {
    for (int i = 0; i < kFaceCount; ++i) {
        faceTextures[i] = makePpmTexture(*faceImages[i], true);
        touchedFaceTextures[i] = makePpmTexture(*touchedFaceImages[i], true);
    }
}

void Skybox::keepInsideArena(PlayerShip& ship) {
    const float limit = static_cast<float>(halfSize) - kWallMargin;
    clampAxis(ship.position.y, limit, wallTouched[WallPlusY], wallTouched[WallMinusY]);
    clampAxis(ship.position.z, limit, wallTouched[WallPlusZ], wallTouched[WallMinusZ]);
    clampAxis(ship.position.x, limit, wallTouched[WallPlusX], wallTouched[WallMinusX]);
}

void Skybox::lightTouchedWalls() {
    for (int wall = 0; wall < kFaceCount; ++wall) {
        wallLit[wall] = wallTouched[wall];
        wallTouched[wall] = false;
    }
}

void Skybox::draw() const {
    glEnable(GL_TEXTURE_2D);
    // The sky shows unlit, whatever the colour and the lights.
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const float h = static_cast<float>(halfSize);
    for (int face : kDrawOrder) {
        const bool touched = wallLit[kFaceWall[face]];
        glBindTexture(GL_TEXTURE_2D, touched ? touchedFaceTextures[face] : faceTextures[face]);
        glBegin(GL_QUADS);
        for (const Corner& corner : kFaceCorners[face]) {
            glTexCoord2f(corner.s, corner.t);
            glVertex3f(corner.x * h, corner.y * h, corner.z * h);
        }
        glEnd();
    }
    glDisable(GL_TEXTURE_2D);
}
