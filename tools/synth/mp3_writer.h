#pragma once
#include "audio_buffer.h"

#include <string>

// Encodes the buffer with LAME at a constant bit rate and writes it with the
// LAME/Info tag in its first frame. The tag records the encoder delay and the
// padding, which a gapless decoder (libmpg123) trims, so the decoded file has
// exactly the buffer's length and a looped track meets itself without a gap.
// Throws std::runtime_error on any encoder or file error.
void writeMp3(const std::string& path, const StereoBuffer& buffer, int kilobitsPerSecond = 192);
