#pragma once
#include <string>
#include <vector>

// One note (or chord tone) placed on a step of a pattern.
struct StepNote {
    int step = 0;
    int midiNote = 60;
    int lengthSteps = 1;
    float velocity = 0.8f;
};

struct Pattern {
    int steps = 0;
    std::vector<StepNote> notes;
};

// Parses a melodic line written as space-separated tokens, each a note name, a
// chord of names joined by '+', or '.' for a rest, with an optional ":steps"
// length (default 1) and a trailing '!' for an accent:
//     "A4:3 C5:3 E5:2 A3+C4+E4:8 .:4 G5!"
// Note names are C..B with an optional '#' or 'b' and an octave (C4 = MIDI 60).
// Throws std::invalid_argument on a malformed token, or if `expectedSteps` is
// non-zero and the line does not add up to it.
Pattern parseMelody(const std::string& text, int expectedSteps = 0);

// Parses a drum line, one character per step: 'x' a full hit, 'o' a soft one,
// '.' a rest; spaces and '|' are ignored so bars can be marked. Every hit has
// the given MIDI note (for tuned percussion) and a length of one step.
Pattern parseHits(const std::string& text, int midiNote = 60, int expectedSteps = 0);

int noteNameToMidi(const std::string& name);
