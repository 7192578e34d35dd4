#include "gfx/eye_point.h"

#include <GL/gl.h>

Vec3 eyeInModelSpace() {
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    // Solve A e = -t for the affine matrix [A t], in double for the inverse.
    const double a = m[0], b = m[4], c = m[8];
    const double d = m[1], e = m[5], f = m[9];
    const double g = m[2], h = m[6], i = m[10];
    const double tx = -m[12], ty = -m[13], tz = -m[14];
    const double det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    if (det == 0.0) return Vec3();
    const double x = (tx * (e * i - f * h) - b * (ty * i - f * tz) + c * (ty * h - e * tz)) / det;
    const double y = (a * (ty * i - f * tz) - tx * (d * i - f * g) + c * (d * tz - ty * g)) / det;
    const double z = (a * (e * tz - ty * h) - b * (d * tz - ty * g) + tx * (d * h - e * g)) / det;
    return Vec3(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}
