#include "noise.h"

#include <cmath>

#include "random.h"

namespace {

float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }
float lerp(float a, float b, float t) { return a + (b - a) * t; }

// One of the twelve cube-edge directions, picked by the lattice hash.
float gradientDot3(int ix, int iy, int iz, float dx, float dy, float dz, std::uint32_t seed)
{
    switch (hashCoords(ix, iy, iz, seed) % 12u) {
    case 0: return dx + dy;
    case 1: return -dx + dy;
    case 2: return dx - dy;
    case 3: return -dx - dy;
    case 4: return dx + dz;
    case 5: return -dx + dz;
    case 6: return dx - dz;
    case 7: return -dx - dz;
    case 8: return dy + dz;
    case 9: return -dy + dz;
    case 10: return dy - dz;
    default: return -dy - dz;
    }
}

float gradientDot2(int ix, int iy, float dx, float dy, std::uint32_t seed)
{
    const float angle = hashUnit(ix, iy, 0, seed) * 6.2831853f;
    return dx * std::cos(angle) + dy * std::sin(angle);
}

int wrap(int i, int period) { return ((i % period) + period) % period; }

}  // namespace

float gradientNoise3(float x, float y, float z, std::uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
    const float dx = x - fx, dy = y - fy, dz = z - fz;
    const float u = fade(dx), v = fade(dy), w = fade(dz);

    const float x00 = lerp(gradientDot3(ix, iy, iz, dx, dy, dz, seed),
                           gradientDot3(ix + 1, iy, iz, dx - 1, dy, dz, seed), u);
    const float x10 = lerp(gradientDot3(ix, iy + 1, iz, dx, dy - 1, dz, seed),
                           gradientDot3(ix + 1, iy + 1, iz, dx - 1, dy - 1, dz, seed), u);
    const float x01 = lerp(gradientDot3(ix, iy, iz + 1, dx, dy, dz - 1, seed),
                           gradientDot3(ix + 1, iy, iz + 1, dx - 1, dy, dz - 1, seed), u);
    const float x11 = lerp(gradientDot3(ix, iy + 1, iz + 1, dx, dy - 1, dz - 1, seed),
                           gradientDot3(ix + 1, iy + 1, iz + 1, dx - 1, dy - 1, dz - 1, seed), u);
    return lerp(lerp(x00, x10, v), lerp(x01, x11, v), w);
}

float fractalNoise3(float x, float y, float z, int octaves, float gain, std::uint32_t seed)
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * gradientNoise3(x, y, z, seed + static_cast<std::uint32_t>(i) * 101u);
        total += weight;
        weight *= gain;
        x *= 2.0f;
        y *= 2.0f;
        z *= 2.0f;
    }
    return sum / total;
}

float periodicNoise2(float x, float y, int period, std::uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float dx = x - fx, dy = y - fy;
    const int x0 = wrap(ix, period), x1 = wrap(ix + 1, period);
    const int y0 = wrap(iy, period), y1 = wrap(iy + 1, period);
    const float u = fade(dx), v = fade(dy);
    const float bottom = lerp(gradientDot2(x0, y0, dx, dy, seed), gradientDot2(x1, y0, dx - 1, dy, seed), u);
    const float top = lerp(gradientDot2(x0, y1, dx, dy - 1, seed), gradientDot2(x1, y1, dx - 1, dy - 1, seed), u);
    // Scaled so the range is close to [-1, 1] like the 3D version.
    return 1.4f * lerp(bottom, top, v);
}

float periodicFractalNoise2(float x, float y, int period, int octaves, float gain, std::uint32_t seed)
{
    float sum = 0.0f, weight = 1.0f, total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * periodicNoise2(x, y, period, seed + static_cast<std::uint32_t>(i) * 101u);
        total += weight;
        weight *= gain;
        x *= 2.0f;
        y *= 2.0f;
        period *= 2;
    }
    return sum / total;
}
