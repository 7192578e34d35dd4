#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "entities/frame_blend.h"

namespace {
Vec3 cross(const Vec3& a, const Vec3& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

// Rodrigues' formula: v turned by `radians` about the unit axis, right-handed.
Vec3 rotated(const Vec3& v, const Vec3& axis, float radians) {
    const float c = std::cos(radians), s = std::sin(radians);
    return v * c + cross(axis, v) * s + axis * (axis.dot(v) * (1.0f - c));
}

ShipFrame turned(const ShipFrame& f, const Vec3& axis, float radians, const Vec3& move = {}) {
    return {f.position + move, rotated(f.forward, axis, radians), rotated(f.up, axis, radians),
            rotated(f.right, axis, radians)};
}

Vec3 randomAxis(std::mt19937& rng) {
    std::normal_distribution<float> n;
    Vec3 axis{n(rng), n(rng), n(rng)};
    axis.normalize();
    return axis;
}

ShipFrame randomFrame(std::mt19937& rng) {
    std::uniform_real_distribution<float> u(-3.0f, 3.0f);
    return turned(ShipFrame{}, randomAxis(rng), u(rng), {u(rng) * 50, u(rng) * 50, u(rng) * 50});
}

// 1e-5 for unit axes, relative for points a hundred units out.
void expectNear(const Vec3& a, const Vec3& b, const char* what) {
    const float tolerance = 1e-5f * std::max(1.0f, std::sqrt(b.dot(b)));
    EXPECT_TRUE(std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance && std::fabs(a.z - b.z) <= tolerance)
        << what << ": " << a.x << " " << a.y << " " << a.z << " against " << b.x << " " << b.y << " " << b.z;
}

void expectFrameNear(const ShipFrame& a, const ShipFrame& b) {
    for (Vec3 ShipFrame::*part : {&ShipFrame::position, &ShipFrame::forward, &ShipFrame::up, &ShipFrame::right})
        expectNear(a.*part, b.*part, "frame");
}
}  // namespace

TEST(FrameBlend, EndsAreTheTwoTicksAndEqualFramesStayPut) {
    std::mt19937 rng(7);
    for (int i = 0; i < 50; ++i) {
        const ShipFrame previous = randomFrame(rng), current = randomFrame(rng);
        const ShipFrame atTick = blendFrames(previous, current, 1.0f);
        EXPECT_EQ(std::memcmp(&atTick, &current, sizeof current), 0);
        const Vec3 aim = blendDirection(previous.forward, current.forward, 1.0f);
        EXPECT_EQ(std::memcmp(&aim, &current.forward, sizeof aim), 0);
        expectFrameNear(blendFrames(previous, current, 0.0f), previous);
        expectFrameNear(blendFrames(current, current, 0.37f), current);  // no arc to divide by
        expectNear(carryPoint(current, current, previous.position), previous.position, "carried in place");
    }
    const Vec3 from{0.1f, -7.3f, 1e-3f}, start = blendPlace(from, {1000.7f, 3.1f, -2.9f}, 0.0f);
    EXPECT_EQ(std::memcmp(&start, &from, sizeof from), 0);
    const Vec3 up{0, 1, 0};
    expectNear(blendDirection({}, up, 0.0f), up, "zero previous");
    const float eighth = 0.78539816f / 2;
    expectNear(blendDirection({1, 0, 0}, up, 0.25f), {std::cos(eighth), std::sin(eighth), 0}, "arc, not chord");
}

// Halfway through a turn of 2*theta is the frame turned by theta; past half a
// turn the shorter way round is the other direction.
TEST(FrameBlend, HalfwayIsHalfTheShorterTurnAndStaysOrthonormal) {
    std::mt19937 rng(11);
    const float turns[] = {1e-3f, 0.4f, 2.0f, 3.0f, 5.5f};  // 5.5 rad is 0.78 rad the other way
    for (int i = 0; i < 20; ++i) {  // random starts give both signs of the extracted rotation
        const float turn = turns[i % 5];
        const ShipFrame previous = randomFrame(rng);
        const Vec3 axis = randomAxis(rng), move{3, -4, 8};
        const float shorter = turn > 3.14159265f ? turn - 6.28318531f : turn;
        for (const float t : {0.5f, 0.25f}) {  // a quarter tells the arc from a normalized chord
            SCOPED_TRACE(testing::Message() << "turn " << turn << " t " << t);
            const ShipFrame blended = blendFrames(previous, turned(previous, axis, turn, move), t);
            // The expected frame is orthonormal with right = forward x up, so matching it checks both.
            expectFrameNear(blended, turned(previous, axis, shorter * t, move * t));
        }
    }
}

TEST(FrameBlend, EmissionsFollowTheMovedAndTurnedShip) {
    std::mt19937 rng(3);
    const ShipFrame from = randomFrame(rng);
    const ShipFrame to = turned(from, randomAxis(rng), 1.2f, {10, 0, -7});
    const Vec3 muzzle = from.position + from.forward * 2.0f + from.right * 0.5f - from.up * 0.25f;
    expectNear(carryPoint(from, to, muzzle), to.position + to.forward * 2.0f + to.right * 0.5f - to.up * 0.25f,
               "muzzle");
    expectNear(carryDirection(from, to, from.forward), to.forward, "bolt direction");
}
