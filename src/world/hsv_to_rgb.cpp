#include "world/hsv_to_rgb.h"

void hsvToRgb(float h, float s, float v, float* red, float* green, float* blue) {
    if (s == 0.0f || h == -1.0f) return;
    const float hs = h * 0.016666668f;
    // Outside (-1, 7) every sector is the grey default; a NaN (from a damaged
    // recording) must not reach the cast.
    const int sector = hs > -1.0f && hs < 7.0f ? static_cast<int>(hs) : 6;
    const float f = hs - static_cast<float>(sector);
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    float r, g, b;
    switch (sector) {
        case 0: r = v; g = t; b = p; break;
        case 1: r = q; g = v; b = p; break;
        case 2: r = p; g = v; b = t; break;
        case 3: r = p; g = q; b = v; break;
        case 4: r = t; g = p; b = v; break;
        case 5: r = v; g = p; b = q; break;
        default: r = t; g = t; b = t; break;
    }
    *red = r;
    *green = g;
    *blue = b;
}
