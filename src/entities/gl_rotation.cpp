#include "entities/gl_rotation.h"

#include <cmath>
#include <numbers>

Matrix4 glRotationMatrix(float angleDegrees, float x, float y, float z) {
    const float s = std::sin(static_cast<float>(angleDegrees * std::numbers::pi / 180.0));
    const float c = std::cos(static_cast<float>(angleDegrees * std::numbers::pi / 180.0));
    Matrix4 m;
    auto at = [&m](int row, int col) -> float& { return m[col * 4 + row]; };

    if (x == 0.0f && y == 0.0f && z != 0.0f) {
        at(0, 0) = c;
        at(1, 1) = c;
        at(0, 1) = z < 0.0f ? s : -s;
        at(1, 0) = z < 0.0f ? -s : s;
        return m;
    }
    if (x == 0.0f && y != 0.0f && z == 0.0f) {
        at(0, 0) = c;
        at(2, 2) = c;
        at(0, 2) = y < 0.0f ? -s : s;
        at(2, 0) = y < 0.0f ? s : -s;
        return m;
    }
    if (x != 0.0f && y == 0.0f && z == 0.0f) {
        at(1, 1) = c;
        at(2, 2) = c;
        at(1, 2) = x < 0.0f ? s : -s;
        at(2, 1) = x < 0.0f ? -s : s;
        return m;
    }
    if (x == 0.0f && y == 0.0f && z == 0.0f) return m;

    // General axis: the textbook formula on the normalised axis.
    const float mag = std::sqrt(x * x + y * y + z * z);
    x /= mag;
    y /= mag;
    z /= mag;
    const float xx = x * x, yy = y * y, zz = z * z;
    const float xy = x * y, yz = y * z, zx = z * x;
    const float xs = x * s, ys = y * s, zs = z * s;
    const float oneC = 1.0f - c;
    at(0, 0) = (oneC * xx) + c;
    at(0, 1) = (oneC * xy) - zs;
    at(0, 2) = (oneC * zx) + ys;
    at(1, 0) = (oneC * xy) + zs;
    at(1, 1) = (oneC * yy) + c;
    at(1, 2) = (oneC * yz) - xs;
    at(2, 0) = (oneC * zx) - ys;
    at(2, 1) = (oneC * yz) + xs;
    at(2, 2) = (oneC * zz) + c;
    return m;
}

Matrix4 glMultiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 p;
    for (int i = 0; i < 4; ++i) {
        const float ai0 = a[0 * 4 + i], ai1 = a[1 * 4 + i], ai2 = a[2 * 4 + i], ai3 = a[3 * 4 + i];
        for (int j = 0; j < 4; ++j) {
            p[j * 4 + i] = ai0 * b[j * 4 + 0] + ai1 * b[j * 4 + 1] + ai2 * b[j * 4 + 2] + ai3 * b[j * 4 + 3];
        }
    }
    return p;
}
