#pragma once
#include <cstdint>

#include "entities/bounding_box.h"
#include "entities/turret.h"

class Bolt;
class PlayerBolt;

// A large indestructible cube with a turret on each face. It absorbs every
// bolt that enters it and destroys the player's ship on contact. The counter
// block shows an 8 x 8 image that lights one more cell per hit.
class TurretBlock : public GameObject {
public:
    static constexpr int kTurretCount = 6;
    static constexpr int kCounterCells = 36;

    TurretBlock();                       // hue 0, hue step 0.3
    explicit TurretBlock(int startHue);  // hue startHue, hue step 0.1

    using GameObject::setPosition;
    void setPosition(const Vec3& p) override;
    // Also places the collision box, a cube of whole-number half edge.
    void setPosition(float x, float y, float z) override;
    int update() override;
    void draw() const override;
    // Draws the block and its turrets as a picture at `fraction` of the step shows them.
    void drawAt(float fraction) const;
    // One step: hue, turrets and the counter image. Reports the live turrets in count.
    virtual void updateCounting(int& count);

    bool absorbsBolt(const Bolt& bolt) const;
    void hitTurrets(const PlayerBolt& bolt);
    bool containsPoint(float x, float y, float z) const;
    void countHit();
    void reviveTurrets();
    // Loads the block's surface and relief textures and fetches the
    // multitexture entry points (needs a GL context).
    void loadTextures();
    // Uses another block's textures instead of loading copies of the same files.
    void shareTextures(const TurretBlock& source);

    unsigned surfaceTexture = 0;
    unsigned bumpTexture = 0;
    float hue = 0.0f;
    float hueStep = 0.3f;
    float size = 400.0f;
    Turret turrets[kTurretCount];
    bool armed = true;
    BoundingBox box;
    bool bumpMapped = false;
    bool counterDisplay = false;
    mutable unsigned counterTexture = 0;  // made by the first upload
    int hitCount = 0;
    std::uint8_t counterImage[256] = {};
    // Set when counterImage changed and must be uploaded by the next draw: the
    // GL copy's bookkeeping, not the game's, so a draw may clear it.
    mutable bool counterImageDirty = false;

    // Makes a counter block's texture from its image as it stands, at start-up:
    // every draw then finds the texture as play will use it, so the start-up
    // warm-up meets it too and the first frame of play uploads nothing.
    void loadCounterTexture();

    // Puts turret k at the centre of face k (+x, -x, +y, -y, +z, -z), with its box.
    void placeTurrets();

private:
    // Border texels lit, then the first hitCount interior texels in row order.
    void buildCounterImage(std::uint8_t* image) const;
    // Refills counterTexture from counterImage (draw path only: needs GL).
    void uploadCounterImage() const;
    // `faces` holds one bit per face of the unit cube to draw.
    void drawTwoUnitCube(float red, float green, float blue, unsigned faces) const;
    void drawOneUnitCube(float red, float green, float blue, unsigned faces) const;
};
