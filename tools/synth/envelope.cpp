#include "envelope.h"

namespace {

float heldLevel(const Adsr& env, float time) {
    if (time < 0.0f) return 0.0f;
    if (time < env.attack) return time / env.attack;
    const float intoDecay = time - env.attack;
    if (intoDecay < env.decay) {
        // Quadratic ease: falls fast first, then settles onto the sustain level.
        const float remaining = 1.0f - intoDecay / env.decay;
        return env.sustain + (1.0f - env.sustain) * remaining * remaining;
    }
    return env.sustain;
}

}  // namespace

float Adsr::level(float time, float gate) const {
    if (time < gate) return heldLevel(*this, time);
    const float sinceRelease = time - gate;
    if (sinceRelease >= release) return 0.0f;
    const float remaining = 1.0f - sinceRelease / release;
    return heldLevel(*this, gate) * remaining * remaining;
}
