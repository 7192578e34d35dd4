#include "audio_buffer.h"

#include <cmath>
#include <stdexcept>

void mixInto(StereoBuffer& out, const MonoBuffer& voice, size_t startFrame, float gain, float pan, bool wrap) {
    const size_t frames = out.frames();
    if (frames == 0) return;
    const float angle = (pan + 1.0f) * 0.25f * static_cast<float>(M_PI);
    const float gainLeft = gain * std::cos(angle);
    const float gainRight = gain * std::sin(angle);
    for (size_t i = 0; i < voice.size(); ++i) {
        size_t at = startFrame + i;
        if (at >= frames) {
            if (!wrap) break;
            at %= frames;
        }
        out.left[at] += voice[i] * gainLeft;
        out.right[at] += voice[i] * gainRight;
    }
}

void addBuffer(StereoBuffer& out, const StereoBuffer& source, float gain) {
    if (source.frames() != out.frames()) throw std::invalid_argument("addBuffer: size mismatch");
    for (size_t i = 0; i < out.frames(); ++i) {
        out.left[i] += source.left[i] * gain;
        out.right[i] += source.right[i] * gain;
    }
}

size_t secondsToFrames(double seconds) {
    return static_cast<size_t>(std::llround(seconds * kSampleRate));
}
