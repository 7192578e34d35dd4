#pragma once
#include <cmath>

// A point or direction in world units. All arithmetic is single precision,
// and every result is stored as a float.
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vec3() = default;
    constexpr Vec3(float ax, float ay, float az) : x(ax), y(ay), z(az) {}

    // Unit length in place. The zero vector stays zero; NaN stays NaN.
    void normalize() {
        const float length = std::sqrt(x * x + y * y + z * z);
        if (length == 0.0f) {
            x = y = z = 0.0f;
            return;
        }
        const float r = 1.0f / length;
        x *= r;
        y *= r;
        z *= r;
    }

    constexpr float dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    constexpr Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    constexpr Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    constexpr Vec3 operator-() const { return {-x, -y, -z}; }
    constexpr Vec3 operator*(float s) const { return {x * s, y * s, z * s}; }
    Vec3& operator+=(const Vec3& o) { x += o.x; y += o.y; z += o.z; return *this; }
};
