#include "star_field.h"

#include <algorithm>
#include <cmath>

#include "random.h"

namespace {

// Light beyond this angle from a bright star's centre is dropped; faint stars
// stop at a few core widths, which keeps the per-texel search short.
constexpr float kHaloReach = 0.045f;

const Colour kStarTints[] = {
    {1.00f, 1.00f, 1.00f},  // white
    {0.72f, 0.83f, 1.00f},  // blue-white
    {1.00f, 0.94f, 0.70f},  // yellow
    {1.00f, 0.72f, 0.42f},  // orange
};

Vec3f randomDirection(Rng& rng)
{
    for (;;) {
        const Vec3f v{rng.range(-1, 1), rng.range(-1, 1), rng.range(-1, 1)};
        const float len2 = dot(v, v);
        if (len2 > 0.01f && len2 <= 1.0f) return v * (1.0f / std::sqrt(len2));
    }
}

// Roughly Gaussian by summing uniforms.
float roughGaussian(Rng& rng)
{
    float sum = 0.0f;
    for (int i = 0; i < 4; ++i) sum += rng.uniform();
    return (sum - 2.0f) * 1.732f;
}

Colour pickTint(Rng& rng)
{
    const float u = rng.uniform();
    const int index = u < 0.40f ? 0 : u < 0.65f ? 1 : u < 0.85f ? 2 : 3;
    return kStarTints[index];
}

}  // namespace

StarField::StarField(int scatteredStars, int bandStars, Vec3f bandNormal, std::uint32_t seed)
    : cells(static_cast<std::size_t>(kCells) * kCells * kCells)
{
    Rng rng(seed);
    const Vec3f pole = normalized(bandNormal);
    for (int i = 0; i < scatteredStars + bandStars; ++i) {
        Vec3f dir = randomDirection(rng);
        if (i >= scatteredStars) {
            // Squash towards the band's great circle.
            const float lift = roughGaussian(rng) * 0.12f;
            dir = normalized(dir - pole * dot(dir, pole) + pole * lift);
        }
        // Many faint stars, few bright ones.
        const float u = rng.uniform();
        float brightness = 0.06f + 0.94f * std::pow(u, 20.0f);
        if (i >= scatteredStars) brightness *= 0.7f;
        const Colour tint = pickTint(rng);

        Star star{};
        star.dir = dir;
        star.core = mix(Colour{1, 1, 1}, tint, 0.6f) * (0.14f + brightness * 1.7f);
        star.coreWidth = 0.0013f + 0.0030f * brightness;
        star.haloWidth = 0.006f + 0.010f * brightness;
        star.halo = tint * (brightness > 0.45f ? 0.22f * brightness : 0.0f);
        star.reach = star.halo.r > 0.0f ? kHaloReach : 4.0f * star.coreWidth;
        star.spike = brightness > 0.85f ? 0.5f * brightness : 0.0f;
        if (star.spike > 0.0f) {
            const Vec3f helper = std::fabs(dir.y) < 0.9f ? Vec3f{0, 1, 0} : Vec3f{1, 0, 0};
            star.spikeAxisA = normalized(cross(dir, helper));
            star.spikeAxisB = cross(dir, star.spikeAxisA);
        }
        addStar(star);
    }
}

int StarField::cellCoord(float v)
{
    return std::clamp(static_cast<int>((v + 1.0f) * 0.5f * kCells), 0, kCells - 1);
}

void StarField::addStar(const Star& star)
{
    const auto index = static_cast<std::uint32_t>(stars.size());
    stars.push_back(star);
    const Vec3f d = star.dir;
    const float r = star.reach;
    for (int cz = cellCoord(d.z - r); cz <= cellCoord(d.z + r); ++cz)
        for (int cy = cellCoord(d.y - r); cy <= cellCoord(d.y + r); ++cy)
            for (int cx = cellCoord(d.x - r); cx <= cellCoord(d.x + r); ++cx)
                cells[cellIndex(cx, cy, cz)].push_back(index);
}

Colour StarField::shine(Vec3f dir) const
{
    Colour light;
    for (std::uint32_t index : cells[cellIndex(cellCoord(dir.x), cellCoord(dir.y), cellCoord(dir.z))]) {
        const Star& star = stars[index];
        const Vec3f offset = dir - star.dir;  // chord: equals the angle for small angles
        const float angle2 = dot(offset, offset);
        if (angle2 > star.reach * star.reach) continue;
        const float core = std::exp(-angle2 / (2.0f * star.coreWidth * star.coreWidth));
        const float halo = std::exp(-std::sqrt(angle2) / star.haloWidth);
        light = light + star.core * core + star.halo * halo;
        if (star.spike > 0.0f) {
            const float a = std::fabs(dot(offset, star.spikeAxisA));
            const float b = std::fabs(dot(offset, star.spikeAxisB));
            const float width = star.coreWidth * 0.6f;
            const float along = std::exp(-std::sqrt(angle2) / 0.012f);
            const float spikes = std::exp(-(a * a) / (width * width)) + std::exp(-(b * b) / (width * width));
            light = light + star.halo * (star.spike * spikes * along * 4.0f);
        }
    }
    return light;
}
