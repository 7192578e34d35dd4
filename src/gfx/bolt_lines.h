#pragma once
#include <vector>

class Bolt;

// Bolts gathered into one array of coloured lines and drawn with one call,
// in pool order, instead of a matrix push and a glBegin per bolt.
class BoltLines {
public:
    // Adds a live bolt's line (an inactive one adds nothing).
    void add(const Bolt& bolt);
    void draw();

private:
    std::vector<float> vertices;  // x, y, z per end
    std::vector<float> colours;   // r, g, b per end
};
