#pragma once
#include "audio_buffer.h"

#include <cstdint>
#include <vector>

// Rounds float samples to interleaved signed 16-bit, clamping to full scale.
std::vector<int16_t> toInterleavedPcm16(const StereoBuffer& buffer);
