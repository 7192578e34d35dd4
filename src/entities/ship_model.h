#pragma once
#include "entities/frame_blend.h"
#include "entities/game_object.h"

// The player's fighter as a shape in the world: its own orthonormal frame
// (forward, up, right), the cockpit offset and the drawing of its mesh.
class ShipModel : public GameObject {
public:
    static constexpr float kSpeed = 12.0f;  // units flown every step

    ShipModel();

    int update() override { return 0; }
    void draw() const override;
    // Draws the mesh placed and turned as `shown` says.
    void drawIn(const ShipFrame& shown) const;
    virtual void advance();

    ShipFrame frame() const { return {position, forward, up, right}; }
    // What a picture at `fraction` of the step since the last tick shows: the
    // current frame exactly at 1.
    ShipFrame frameAt(float fraction) const;
    // Keeps the frame as it stands for the pictures of the coming tick.
    void rememberFrame() { previousFrame = frame(); }

    Vec3 forward{0.0f, 0.0f, -1.0f};
    Vec3 up{0.0f, 1.0f, 0.0f};
    Vec3 right{1.0f, 0.0f, 0.0f};
    Vec3 cameraOffset;
    float modelScale = 1.0f;
    // Where and how the ship stood after the previous tick.
    ShipFrame previousFrame = frame();
};
