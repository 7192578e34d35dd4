#pragma once
#include <vector>

#include "entities/vec3.h"

class Bolt;

// Bolts gathered into one array of coloured lines and drawn with one call,
// in pool order, instead of a matrix push and a glBegin per bolt.
class BoltLines {
public:
    // Adds a live bolt's line from `place` along `direction` (an inactive bolt adds nothing).
    void add(const Bolt& bolt, const Vec3& place, const Vec3& direction);
    void draw();

private:
    std::vector<float> vertices;  // x, y, z per end
    std::vector<float> colours;   // r, g, b per end
};
