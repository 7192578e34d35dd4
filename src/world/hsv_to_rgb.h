#pragma once

// The hexcone conversion from hue (degrees), saturation and value to red,
// green and blue. A saturation of 0, or a hue of exactly -1, leaves the
// outputs untouched; a hue of 360 or more (or -60 or less) gives a grey.
void hsvToRgb(float hue, float saturation, float value, float* red, float* green, float* blue);
