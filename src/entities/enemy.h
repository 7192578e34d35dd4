#pragma once
#include "entities/game_object.h"

// What turrets and capital ships share: three rotation angles in degrees, a
// drawing scale and an alpha.
class Enemy : public GameObject {
public:
    Enemy() = default;

    int update() override { return 0; }
    void draw() const override {}

    float angleX = 0.0f;
    float angleY = 0.0f;
    float angleZ = 0.0f;
    float scale = 0.0f;
    float alpha = 1.0f;
};
