#pragma once
#include "audio_buffer.h"
#include "envelope.h"
#include "filter.h"
#include "oscillators.h"

// What a sequencer hands an instrument: one note.
struct NoteEvent {
    double frequencyHz = 440.0;
    double seconds = 0.25;   // how long the key is held
    float velocity = 0.8f;
};

// A subtractive synth voice: two oscillators (the second detuned or shifted by
// octaves), a filter whose cutoff follows its own envelope, an amplitude
// envelope and a delayed vibrato.
struct Patch {
    Waveform wave = Waveform::Saw;
    Waveform wave2 = Waveform::Saw;
    float wave2Mix = 0.0f;       // 0 = first oscillator only
    float detuneCents = 0.0f;    // second oscillator against the first
    int octave2 = 0;
    Adsr amp;
    FilterMode filterMode = FilterMode::LowPass;
    float cutoffHz = 18000.0f;
    float cutoffEnvHz = 0.0f;    // added to the cutoff at the filter envelope's peak
    float cutoffKeyTrack = 0.0f; // share of the note frequency added to the cutoff
    Adsr filterEnv;
    float resonance = 0.707f;
    float vibratoHz = 0.0f;
    float vibratoCents = 0.0f;
    float vibratoDelay = 0.2f;   // seconds before the vibrato fades in
    float velocityToCutoff = 0.0f; // extra cutoff (Hz) at full velocity
};

MonoBuffer renderPatch(const Patch& patch, const NoteEvent& note, uint64_t seed);
