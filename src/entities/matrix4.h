#pragma once

// A 4 x 4 float matrix in the GL's column-major order: element c*4 + r is
// row r of column c, and elements 12, 13, 14 hold the translation.
class Matrix4 {
public:
    Matrix4();  // identity

    void set(const float in[16]);
    // Copies in, then forces the bottom row to (0, 0, 0, 1).
    void setAffine(const float in[16]);
    void get(float out[16]) const;
    // out = this * b, then out's bottom row forced to (0, 0, 0, 1). Returns out.
    Matrix4& multiplyAffine(const Matrix4& b, Matrix4& out) const;

    float operator[](int i) const { return m[i]; }
    float& operator[](int i) { return m[i]; }

private:
    float m[16];
};
