#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

inline Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Colour operator*(Colour a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Colour operator*(Colour a, Colour b) { return {a.r * b.r, a.g * b.g, a.b * b.b}; }
inline Colour mix(Colour a, Colour b, float t) { return a * (1.0f - t) + b * t; }

// A float RGB picture (0 = black, 1 = full); row 0 is the first row written.
class RgbImage {
public:
    RgbImage(int width, int height) : w(width), h(height), texels(static_cast<std::size_t>(width) * height) {}

    int width() const { return w; }
    int height() const { return h; }
    Colour& at(int x, int y) { return texels[static_cast<std::size_t>(y) * w + x]; }
    const Colour& at(int x, int y) const { return texels[static_cast<std::size_t>(y) * w + x]; }

    // 8-bit RGB bytes, rows in order, each channel clamped and rounded.
    std::vector<std::uint8_t> toBytes() const;

private:
    int w;
    int h;
    std::vector<Colour> texels;
};

// A single-channel float picture: glyph coverage, glow masks, relief.
class GrayMask {
public:
    GrayMask(int width, int height) : w(width), h(height), values(static_cast<std::size_t>(width) * height, 0.0f) {}

    int width() const { return w; }
    int height() const { return h; }
    float& at(int x, int y) { return values[static_cast<std::size_t>(y) * w + x]; }
    float at(int x, int y) const { return values[static_cast<std::size_t>(y) * w + x]; }
    // Outside the mask reads as 0.
    float sample(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0f : at(x, y); }

    // Three box-blur passes of the given radius approximate a Gaussian.
    GrayMask blurred(int radius) const;

private:
    int w;
    int h;
    std::vector<float> values;
};

// Binary PPM: "P6\n<w> <h>\n255\n" then the RGB bytes. Returns false on an I/O error.
bool writePpm(const std::string& path, const RgbImage& image);

// Reads back a binary PPM as written above; a 0 x 0 image when the file is
// missing or not such a PPM.
RgbImage readPpm(const std::string& path);
