#include "entities/matrix4.h"

#include <algorithm>

namespace {
constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

void forceAffineBottomRow(float* m) {
    m[3] = 0.0f;
    m[7] = 0.0f;
    m[11] = 0.0f;
    m[15] = 1.0f;
}
}  // namespace

Matrix4::Matrix4() { std::copy(kIdentity, kIdentity + 16, m); }

void Matrix4::set(const float in[16]) { std::copy(in, in + 16, m); }

void Matrix4::setAffine(const float in[16]) {
    set(in);
    forceAffineBottomRow(m);
}

void Matrix4::get(float out[16]) const { std::copy(m, m + 16, out); }

Matrix4& Matrix4::multiplyAffine(const Matrix4& b, Matrix4& out) const {
    // Computed into a temporary so that out may alias this or b.
    float product[16];
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += m[k * 4 + r] * b.m[c * 4 + k];
            product[c * 4 + r] = sum;
        }
    }
    out.set(product);
    forceAffineBottomRow(out.m);
    return out;
}
