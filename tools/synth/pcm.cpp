#include "pcm.h"

#include <algorithm>
#include <cmath>

namespace {

int16_t toPcm16(float sample) {
    const float scaled = std::clamp(sample, -1.0f, 1.0f) * 32767.0f;
    return static_cast<int16_t>(std::lround(scaled));
}

}  // namespace

std::vector<int16_t> toInterleavedPcm16(const StereoBuffer& buffer) {
    std::vector<int16_t> pcm(buffer.frames() * 2);
    for (size_t i = 0; i < buffer.frames(); ++i) {
        pcm[2 * i] = toPcm16(buffer.left[i]);
        pcm[2 * i + 1] = toPcm16(buffer.right[i]);
    }
    return pcm;
}
