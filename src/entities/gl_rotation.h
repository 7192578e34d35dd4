#pragma once
#include "entities/matrix4.h"

// The GL's own rotation and matrix product, computed on the CPU so that the
// simulation needs no GL context. Both reproduce Mesa's arithmetic: the sine
// and cosine of the angle in single precision, the exact axis-aligned forms,
// and the row-by-column sums in the same order, so the results match what
// glRotatef and glMultMatrixf leave in the modelview matrix.
Matrix4 glRotationMatrix(float angleDegrees, float x, float y, float z);
// a * b, as glMultMatrixf(b) applies b to a current matrix a.
Matrix4 glMultiply(const Matrix4& a, const Matrix4& b);
