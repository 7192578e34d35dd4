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
    // Draws the square on its own, in immediate mode (the batch's reference),
    // at its place or at the place a picture between two ticks shows it.
    void draw() const override;
    void drawAt(const Vec3& place) const;
    // Tosses the coin for whether this tick's pictures show the square turned
    // onto the x-z plane. Trail sparks flip at random between the two planes
    // so the exhaust looks solid from any side: one rand() draw per live spark
    // per tick, none for other particles.
    void rollFlip();

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
    bool flipped = false;
    // Where the last tick left it, for pictures drawn between ticks.
    Vec3 previousPosition;
    // Emitted by the ship this tick: pictures place it relative to the ship they show.
    bool shipBorne = false;
};
