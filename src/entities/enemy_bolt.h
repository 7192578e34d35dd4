#pragma once
#include "entities/bolt.h"

// The enemies' yellow bolt: 16 units a frame.
class EnemyBolt : public Bolt {
public:
    static constexpr float kSpeed = 16.0f;
    static constexpr float kLength = 8.0f;

    EnemyBolt() : Bolt(kSpeed, kLength, 1.0f, 1.0f, 0.0f) {}

    int update() override;
};
