#pragma once
#include "../pattern.h"

#include <string>
#include <vector>

// Helpers for writing patterns bar by bar.

// A one-bar drum line repeated `bars` times.
Pattern repeatHits(const std::string& oneBar, int bars, int stepsPerBar, int midiNote = 60);

// One step of a riff played on each bar's root: an offset in semitones from
// the root, a length in steps, or a rest when `rest` is set.
struct RiffStep {
    int semitones = 0;
    int lengthSteps = 1;
    bool accent = false;
    bool rest = false;
};
// Plays `riff` once per root (each root a note name such as "A1").
Pattern rootRiff(const std::vector<std::string>& roots, const std::vector<RiffStep>& riff);

// Broken chords: for each chord ("A3+C4+E4"), one bar of notes `stepLength`
// apart picking chord tones by index; indexes past the last tone wrap up an octave.
Pattern arpeggio(const std::vector<std::string>& chords, const std::vector<int>& toneOrder, int stepLength,
                 int transposeSemitones = 0);

// Each chord held or struck to a rhythm: a positive length plays the chord, a
// negative one rests for that many steps. One rhythm per chord (one bar each).
Pattern chordRhythm(const std::vector<std::string>& chords, const std::vector<int>& rhythm);

// Joins patterns end to end.
Pattern concatenate(const std::vector<Pattern>& parts);
