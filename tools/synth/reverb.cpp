#include "reverb.h"

#include "filter.h"

#include <array>

namespace {

// Mutually prime delay lengths in samples at 44.1 kHz (the classic Freeverb tunings).
constexpr std::array<size_t, 6> kCombLengths = {1116, 1188, 1277, 1356, 1422, 1491};
constexpr std::array<size_t, 3> kAllPassLengths = {556, 441, 341};
constexpr size_t kRightSpread = 23;
constexpr float kAllPassGain = 0.5f;
constexpr float kInputGain = 0.12f;

class Comb {
public:
    Comb(size_t length, float feedback, float damping) : line(length, 0.0f), feedback(feedback), damp(damping) {}
    float process(float input) {
        const float out = line[cursor];
        line[cursor] = input + damp.process(out) * feedback;
        if (++cursor == line.size()) cursor = 0;
        return out;
    }

private:
    std::vector<float> line;
    size_t cursor = 0;
    float feedback;
    OnePoleLowPass damp;
};

class AllPass {
public:
    explicit AllPass(size_t length) : line(length, 0.0f) {}
    float process(float input) {
        const float delayed = line[cursor];
        const float out = delayed - input;
        line[cursor] = input + delayed * kAllPassGain;
        if (++cursor == line.size()) cursor = 0;
        return out;
    }

private:
    std::vector<float> line;
    size_t cursor = 0;
};

struct ReverbSide {
    std::vector<Comb> combs;
    std::vector<AllPass> allPasses;

    ReverbSide(const ReverbSettings& settings, size_t spread) {
        for (size_t length : kCombLengths) combs.emplace_back(length + spread, settings.roomSize, settings.damping);
        for (size_t length : kAllPassLengths) allPasses.emplace_back(length + spread);
    }
    float process(float input) {
        float sum = 0.0f;
        for (Comb& comb : combs) sum += comb.process(input * kInputGain);
        for (AllPass& pass : allPasses) sum = pass.process(sum);
        return sum;
    }
};

}  // namespace

StereoBuffer renderReverb(const StereoBuffer& input, const ReverbSettings& settings, bool loop) {
    ReverbSide left(settings, 0), right(settings, kRightSpread);
    StereoBuffer wet(input.frames());
    const int passes = loop ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        for (size_t i = 0; i < input.frames(); ++i) {
            const float mono = 0.5f * (input.left[i] + input.right[i]);
            wet.left[i] = left.process(mono);
            wet.right[i] = right.process(mono);
        }
    }
    return wet;
}
