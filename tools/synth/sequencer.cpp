#include "sequencer.h"

#include <cmath>
#include <stdexcept>

double framesPerStep(const Song& song) {
    return kSampleRate * 60.0 / (song.beatsPerMinute * song.stepsPerBeat);
}

int songSteps(const Song& song) {
    int steps = 0;
    for (const Section& section : song.order) steps += section.steps;
    return steps;
}

size_t songFrames(const Song& song) {
    const size_t body = static_cast<size_t>(std::llround(songSteps(song) * framesPerStep(song)));
    return song.loop ? body : body + secondsToFrames(song.tailSeconds);
}

namespace {

void checkSection(const Song& song, const Section& section) {
    if (section.patternOfChannel.size() != song.channels.size())
        throw std::invalid_argument("section lists " + std::to_string(section.patternOfChannel.size()) +
                                    " channels, song has " + std::to_string(song.channels.size()));
    for (size_t c = 0; c < song.channels.size(); ++c) {
        const int index = section.patternOfChannel[c];
        if (index < 0) continue;
        const auto& patterns = song.channels[c].patterns;
        if (static_cast<size_t>(index) >= patterns.size())
            throw std::invalid_argument("channel " + song.channels[c].name + " has no pattern " + std::to_string(index));
        const int steps = patterns[index].steps;
        if (steps <= 0 || section.steps % steps != 0)
            throw std::invalid_argument("pattern of " + std::to_string(steps) + " steps does not fill a section of " +
                                        std::to_string(section.steps) + " on channel " + song.channels[c].name);
    }
}

}  // namespace

StereoBuffer renderSong(const Song& song, uint64_t seed) {
    const double stepFrames = framesPerStep(song);
    const double stepSeconds = stepFrames / kSampleRate;
    StereoBuffer dry(songFrames(song)), echoBus(dry.frames()), reverbBus(dry.frames());
    Rng rng(seed);
    int sectionStart = 0;
    for (const Section& section : song.order) {
        checkSection(song, section);
        for (size_t c = 0; c < song.channels.size(); ++c) {
            const int index = section.patternOfChannel[c];
            if (index < 0) continue;
            const Channel& channel = song.channels[c];
            const Pattern& pattern = channel.patterns[index];
            for (int repeat = 0; repeat < section.steps / pattern.steps; ++repeat) {
                for (const StepNote& note : pattern.notes) {
                    const int step = sectionStart + repeat * pattern.steps + note.step;
                    const size_t start = static_cast<size_t>(std::llround(step * stepFrames));
                    const float velocity = note.velocity * (1.0f - channel.humanize * rng.uniform());
                    const NoteEvent event{midiToHz(note.midiNote), note.lengthSteps * stepSeconds * channel.gateShare, velocity};
                    const MonoBuffer voice = channel.instrument(event, rng.nextU64());
                    mixInto(dry, voice, start, channel.gain, channel.pan, song.loop);
                    if (channel.echoSend > 0.0f) mixInto(echoBus, voice, start, channel.gain * channel.echoSend, channel.pan, song.loop);
                    if (channel.reverbSend > 0.0f)
                        mixInto(reverbBus, voice, start, channel.gain * channel.reverbSend, channel.pan, song.loop);
                }
            }
        }
        sectionStart += section.steps;
    }
    const StereoBuffer echoes = renderEcho(echoBus, song.echo, song.loop);
    addBuffer(dry, echoes, 1.0f);
    // Echoes go into the reverb too, so the repeats sit in the same room.
    addBuffer(reverbBus, echoes, 0.5f);
    addBuffer(dry, renderReverb(reverbBus, song.reverb, song.loop), 1.0f);
    return dry;
}
