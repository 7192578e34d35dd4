#pragma once
#include "audio_buffer.h"

#include <string>

// Writes a canonical RIFF/WAVE file: 16-bit PCM, stereo, kSampleRate.
// Throws std::runtime_error when the file cannot be written.
void writeWav(const std::string& path, const StereoBuffer& buffer);
