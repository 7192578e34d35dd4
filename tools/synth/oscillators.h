#pragma once
#include "rng.h"

enum class Waveform { Sine, Square, Saw, Triangle, Noise };

// One band-limited oscillator. Saw and square use PolyBLEP corrections so high
// notes do not fold back into audible aliasing; noise comes from its own Rng.
class Oscillator {
public:
    explicit Oscillator(Waveform waveform, uint64_t noiseSeed = 1, double startPhase = 0.0);
    // Returns the next sample (in [-1, 1]) at the given frequency and advances the phase.
    float next(double frequencyHz);

private:
    Waveform waveform;
    Rng noise;
    double phase = 0.0;  // in cycles, [0, 1)
};

double midiToHz(double midiNote);
