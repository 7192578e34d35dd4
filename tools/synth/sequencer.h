#pragma once
#include "audio_buffer.h"
#include "echo.h"
#include "pattern.h"
#include "reverb.h"
#include "voice.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Renders one note of an instrument; the seed makes noisy voices repeatable.
using Instrument = std::function<MonoBuffer(const NoteEvent& note, uint64_t seed)>;

// One line of the arrangement: an instrument, its patterns and where it sits in the mix.
struct Channel {
    std::string name;
    Instrument instrument;
    std::vector<Pattern> patterns;
    float gain = 0.5f;
    float pan = 0.0f;
    float echoSend = 0.0f;
    float reverbSend = 0.0f;
    float humanize = 0.0f;    // random velocity spread, 0..1
    float gateShare = 1.0f;   // share of the written length the key is held
};

// A stretch of the song: which pattern each channel plays (-1: silent).
// A pattern shorter than the section repeats to fill it.
struct Section {
    int steps = 0;
    std::vector<int> patternOfChannel;
};

struct Song {
    double beatsPerMinute = 120.0;
    int stepsPerBeat = 4;
    std::vector<Channel> channels;
    std::vector<Section> order;
    EchoSettings echo;
    ReverbSettings reverb;
    // A looped song wraps every tail (notes, echoes, reverb) around to its start,
    // so the file is exactly the song's length and its end runs into its start.
    bool loop = false;
    double tailSeconds = 2.0;  // room left after the last step of a song that is not looped
};

double framesPerStep(const Song& song);
int songSteps(const Song& song);
// Length in frames of the rendered song: the steps, plus the tail when not looped.
size_t songFrames(const Song& song);
// Throws std::invalid_argument when a section does not fit its patterns.
StereoBuffer renderSong(const Song& song, uint64_t seed);
