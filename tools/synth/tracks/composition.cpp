#include "composition.h"

#include <sstream>
#include <stdexcept>

namespace {

std::vector<int> chordTones(const std::string& chord) {
    std::vector<int> tones;
    std::istringstream names(chord);
    std::string name;
    while (std::getline(names, name, '+')) tones.push_back(noteNameToMidi(name));
    if (tones.empty()) throw std::invalid_argument("empty chord");
    return tones;
}

}  // namespace

Pattern repeatHits(const std::string& oneBar, int bars, int stepsPerBar, int midiNote) {
    std::string line;
    for (int bar = 0; bar < bars; ++bar) line += oneBar;
    return parseHits(line, midiNote, bars * stepsPerBar);
}

Pattern rootRiff(const std::vector<std::string>& roots, const std::vector<RiffStep>& riff) {
    Pattern pattern;
    for (const std::string& root : roots) {
        const int rootNote = noteNameToMidi(root);
        for (const RiffStep& step : riff) {
            if (!step.rest) pattern.notes.push_back({pattern.steps, rootNote + step.semitones, step.lengthSteps, step.accent ? 1.0f : 0.8f});
            pattern.steps += step.lengthSteps;
        }
    }
    return pattern;
}

Pattern arpeggio(const std::vector<std::string>& chords, const std::vector<int>& toneOrder, int stepLength,
                 int transposeSemitones) {
    Pattern pattern;
    for (const std::string& chord : chords) {
        const std::vector<int> tones = chordTones(chord);
        const int count = static_cast<int>(tones.size());
        for (int index : toneOrder) {
            const int note = tones[index % count] + 12 * (index / count) + transposeSemitones;
            pattern.notes.push_back({pattern.steps, note, stepLength, 0.8f});
            pattern.steps += stepLength;
        }
    }
    return pattern;
}

Pattern chordRhythm(const std::vector<std::string>& chords, const std::vector<int>& rhythm) {
    Pattern pattern;
    for (const std::string& chord : chords) {
        const std::vector<int> tones = chordTones(chord);
        for (int length : rhythm) {
            if (length > 0)
                for (int tone : tones) pattern.notes.push_back({pattern.steps, tone, length, 0.8f});
            pattern.steps += length > 0 ? length : -length;
        }
    }
    return pattern;
}

Pattern concatenate(const std::vector<Pattern>& parts) {
    Pattern joined;
    for (const Pattern& part : parts) {
        for (StepNote note : part.notes) {
            note.step += joined.steps;
            joined.notes.push_back(note);
        }
        joined.steps += part.steps;
    }
    return joined;
}
