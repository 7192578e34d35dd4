#pragma once
#include <cstdint>
#include <vector>

#include "rgb_image.h"
#include "vec3.h"

// Stars as points on the unit sphere with an angular size. Light is a function
// of direction alone, so a star on a cube edge is drawn the same on both faces.
class StarField {
public:
    // `bandNormal` is the pole of the galactic band, along which extra faint stars crowd.
    StarField(int scatteredStars, int bandStars, Vec3f bandNormal, std::uint32_t seed);

    // Light arriving from the unit direction `dir`.
    Colour shine(Vec3f dir) const;

private:
    struct Star {
        Vec3f dir;
        Colour core;       // colour x brightness of the centre
        Colour halo;       // colour x brightness of the soft glow around bright stars
        float coreWidth;   // angular Gaussian width of the core, radians
        float haloWidth;   // angular width of the halo, radians
        float reach;       // angle beyond which the star's light is dropped
        float spike;       // strength of the four diffraction spikes (0 for most stars)
        Vec3f spikeAxisA;  // tangent directions of the spikes
        Vec3f spikeAxisB;
    };

    void addStar(const Star& star);
    int cellIndex(int cx, int cy, int cz) const { return (cz * kCells + cy) * kCells + cx; }
    static int cellCoord(float v);

    static constexpr int kCells = 64;  // grid over [-1, 1]^3 of directions
    std::vector<Star> stars;
    std::vector<std::vector<std::uint32_t>> cells;  // star indices whose light reaches each cell
};
