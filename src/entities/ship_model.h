#pragma once
#include "entities/game_object.h"

// The player's fighter as a shape in the world: its own orthonormal frame
// (forward, up, right), the cockpit offset and the drawing of its mesh.
class ShipModel : public GameObject {
public:
    static constexpr float kSpeed = 12.0f;  // units flown every frame

    ShipModel();

    int update() override { return 0; }
    void draw() override;
    virtual void advance();

    Vec3 forward{0.0f, 0.0f, -1.0f};
    Vec3 up{0.0f, 1.0f, 0.0f};
    Vec3 right{1.0f, 0.0f, 0.0f};
    Vec3 cameraOffset;
    float modelScale = 1.0f;
};
