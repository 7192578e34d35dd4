#pragma once
#include "entities/game_object.h"

// The texture every particle is drawn with, made from "particle.ppm" at start-up.
extern unsigned particleTexture;
void loadParticleTexture();

// One spark of fire or smoke: a small textured square that flies straight at a
// fixed speed and fades out over its life.
class Particle : public GameObject {
public:
    Particle() = default;

    static constexpr float kEdgePerSize = 10.0f;

    int update() override;
    // Draws the square on its own, in immediate mode (the batch's reference).
    void draw() override;
    // Whether this draw shows the square turned onto the x-z plane. Trail
    // sparks flip at random between the two planes so the exhaust looks solid
    // from any side; the coin is one rand() draw per drawn spark.
    bool rollFlip() const;

    float life = 0.0f;
    float maxLife = 0.0f;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    Vec3 velocity;
    float size = 0.0f;   // the drawn square's edge is size x 10
    float speed = 0.0f;  // applied to velocity every step
    bool randomFlip = false;
};
