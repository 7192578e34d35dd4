#pragma once
#include <memory>

#include "entities/bounding_box.h"
#include "gfx/ppm_image.h"

class PlayerShip;

// The star-field cube around the arena. Its walls are the arena's limits: the
// ship is held 50 units inside them, and a wall the ship is pushed back from
// shows its alternate, glowing image in the pictures of that tick.
class Skybox {
public:
    static constexpr int kFaceCount = 6;
    static constexpr float kWallMargin = 50.0f;
    // wallTouched is indexed by wall, in this order.
    enum Wall { WallPlusY, WallMinusY, WallPlusX, WallMinusX, WallPlusZ, WallMinusZ };

    // Reads the twelve face images unless told to skip them (tests without data).
    explicit Skybox(int edgeLength, bool readImages = true);
    ~Skybox();

    void loadTextures();
    // Draws the six faces, the lit walls with their alternate images.
    void draw() const;
    // Once a tick after the step: the walls touched in it light up in the
    // tick's pictures, and the touched flags start again.
    void lightTouchedWalls();
    // Holds the ship inside the arena, marking each wall it was pushed back from.
    void keepInsideArena(PlayerShip& ship);

    std::unique_ptr<PpmImage> faceImages[kFaceCount];
    unsigned faceTextures[kFaceCount] = {};
    std::unique_ptr<PpmImage> touchedFaceImages[kFaceCount];
    unsigned touchedFaceTextures[kFaceCount] = {};
    int halfSize = 0;
    bool wallTouched[kFaceCount] = {};
    bool wallLit[kFaceCount] = {};
    BoundingBox arenaBox;
};
