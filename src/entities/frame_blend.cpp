#include "entities/frame_blend.h"

#include <algorithm>
#include <cmath>

namespace {
// Closer than this, sin(angle) is too small to divide by and a normalized lerp
// is as good as the arc.
constexpr float kNearlyParallel = 0.9995f;

struct Quaternion {
    float w = 1.0f, x = 0.0f, y = 0.0f, z = 0.0f;
    float dot(const Quaternion& o) const { return w * o.w + x * o.x + y * o.y + z * o.z; }
};

// Weights that blend two unit vectors `cosine` apart along their arc; nearly
// parallel ones get plain lerp weights and the caller normalizes.
void arcWeights(float cosine, float t, float& weightA, float& weightB) {
    if (cosine > kNearlyParallel) {
        weightA = 1.0f - t;
        weightB = t;
        return;
    }
    const float angle = std::acos(std::clamp(cosine, -1.0f, 1.0f));
    const float sine = std::sin(angle);
    weightA = std::sin((1.0f - t) * angle) / sine;
    weightB = std::sin(t * angle) / sine;
}

// The rotation taking the default frame to this one: the matrix with columns
// right, up, -forward is a proper rotation (forward points down -z).
Quaternion rotationOf(const ShipFrame& f) {
    const float m00 = f.right.x, m10 = f.right.y, m20 = f.right.z;
    const float m01 = f.up.x, m11 = f.up.y, m21 = f.up.z;
    const float m02 = -f.forward.x, m12 = -f.forward.y, m22 = -f.forward.z;
    const float trace = m00 + m11 + m22;
    Quaternion q;
    // Take the root of the largest of the four terms so the divisor never nears zero.
    if (trace > 0.0f) {
        const float s = 2.0f * std::sqrt(1.0f + trace);
        q = {0.25f * s, (m21 - m12) / s, (m02 - m20) / s, (m10 - m01) / s};
    } else if (m00 > m11 && m00 > m22) {
        const float s = 2.0f * std::sqrt(1.0f + m00 - m11 - m22);
        q = {(m21 - m12) / s, 0.25f * s, (m01 + m10) / s, (m02 + m20) / s};
    } else if (m11 > m22) {
        const float s = 2.0f * std::sqrt(1.0f + m11 - m00 - m22);
        q = {(m02 - m20) / s, (m01 + m10) / s, 0.25f * s, (m12 + m21) / s};
    } else {
        const float s = 2.0f * std::sqrt(1.0f + m22 - m00 - m11);
        q = {(m10 - m01) / s, (m02 + m20) / s, (m12 + m21) / s, 0.25f * s};
    }
    return q;
}

Quaternion slerp(const Quaternion& a, Quaternion b, float t) {
    float cosine = a.dot(b);
    if (cosine < 0.0f) {  // q and -q are the same turn; take the shorter way round
        b = {-b.w, -b.x, -b.y, -b.z};
        cosine = -cosine;
    }
    float wa = 0.0f, wb = 0.0f;
    arcWeights(cosine, t, wa, wb);
    Quaternion q{wa * a.w + wb * b.w, wa * a.x + wb * b.x, wa * a.y + wb * b.y, wa * a.z + wb * b.z};
    const float length = std::sqrt(q.dot(q));
    return {q.w / length, q.x / length, q.y / length, q.z / length};
}
}  // namespace

Vec3 blendPlace(const Vec3& previous, const Vec3& current, float t) {
    if (t == 1.0f) return current;
    return previous + (current - previous) * t;
}

Vec3 blendDirection(const Vec3& previous, const Vec3& current, float t) {
    if (t == 1.0f) return current;
    Vec3 a = previous, b = current;
    a.normalize();
    b.normalize();
    const float cosine = a.dot(b);
    if (a.dot(a) == 0.0f || b.dot(b) == 0.0f || cosine < -kNearlyParallel) return current;
    float wa = 0.0f, wb = 0.0f;
    arcWeights(cosine, t, wa, wb);
    Vec3 blended = a * wa + b * wb;
    blended.normalize();
    return blended;
}

ShipFrame blendFrames(const ShipFrame& previous, const ShipFrame& current, float t) {
    if (t == 1.0f) return current;
    const Quaternion q = slerp(rotationOf(previous), rotationOf(current), t);
    const float xx = q.x * q.x, yy = q.y * q.y, zz = q.z * q.z;
    const float xy = q.x * q.y, xz = q.x * q.z, yz = q.y * q.z;
    const float wx = q.w * q.x, wy = q.w * q.y, wz = q.w * q.z;
    ShipFrame blended;
    blended.position = blendPlace(previous.position, current.position, t);
    blended.right = {1.0f - 2.0f * (yy + zz), 2.0f * (xy + wz), 2.0f * (xz - wy)};
    blended.up = {2.0f * (xy - wz), 1.0f - 2.0f * (xx + zz), 2.0f * (yz + wx)};
    blended.forward = {-2.0f * (xz + wy), -2.0f * (yz - wx), -(1.0f - 2.0f * (xx + yy))};
    return blended;
}

Vec3 carryDirection(const ShipFrame& from, const ShipFrame& to, const Vec3& direction) {
    return to.right * direction.dot(from.right) + to.up * direction.dot(from.up) +
           to.forward * direction.dot(from.forward);
}

Vec3 carryPoint(const ShipFrame& from, const ShipFrame& to, const Vec3& point) {
    return to.position + carryDirection(from, to, point - from.position);
}
