#pragma once
#include "entities/bolt.h"

// The player's red bolt: 20 units a frame, held at the muzzle on the frame it is fired.
class PlayerBolt : public Bolt {
public:
    static constexpr float kSpeed = 20.0f;
    static constexpr float kLength = 8.0f;

    PlayerBolt() : Bolt(kSpeed, kLength, 1.0f, 0.0f, 0.0f) {}

    int update() override;
};
