#include "echo.h"
#include "mastering.h"
#include "reverb.h"
#include "sequencer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace {

// One full-scale sample, so its position shows exactly where the note went.
MonoBuffer impulse(const NoteEvent&, uint64_t) { return {1.0f}; }
// Holds a constant level for the note's length plus a fixed ring-out.
MonoBuffer block(const NoteEvent& note, uint64_t) { return MonoBuffer(secondsToFrames(note.seconds + 0.5), 0.5f); }

Song oneChannelSong(Instrument instrument, const Pattern& pattern, int sectionSteps, bool loop) {
    Song song;
    song.beatsPerMinute = 140.0;
    song.stepsPerBeat = 4;
    song.loop = loop;
    song.tailSeconds = 1.0;
    song.channels = {{"test", instrument, {pattern}, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f}};
    song.order = {{sectionSteps, {0}}};
    return song;
}

}  // namespace

TEST(Sequencer, StartsEachNoteOnItsStepAndRepeatsShortPatterns) {
    const Song song = oneChannelSong(impulse, parseHits("x..x", 60, 4), 8, false);
    const StereoBuffer out = renderSong(song, 1);
    std::vector<size_t> onsets;
    for (size_t i = 0; i < out.frames(); ++i)
        if (out.left[i] != 0.0f) onsets.push_back(i);
    EXPECT_EQ(onsets, (std::vector<size_t>{0, 3 * 4725, 4 * 4725, 7 * 4725}));
    EXPECT_NEAR(out.left[0], out.right[0], 1e-6);  // centred
}

TEST(Sequencer, LoopedSongWrapsTailsToItsStart) {
    // One long note on the last step: its ring-out must land at the start of the loop.
    const Song song = oneChannelSong(block, parseMelody(".:7 A4:1", 8), 8, true);
    const StereoBuffer out = renderSong(song, 1);
    EXPECT_GT(out.left.front(), 0.1f);
    EXPECT_FLOAT_EQ(out.left.front(), out.left.back());
    // The note rings 0.61 s = 26775 frames: 4725 before the seam, 22050 after it.
    EXPECT_GT(out.left[22049], 0.1f);
    EXPECT_EQ(out.left[22050], 0.0f);
}

TEST(Sequencer, RejectsSectionsThePatternsDoNotFill) {
    EXPECT_THROW(renderSong(oneChannelSong(impulse, parseHits("x.x", 60, 3), 8, false), 1), std::invalid_argument);
    Song song = oneChannelSong(impulse, parseHits("x...", 60, 4), 8, false);
    song.order[0].patternOfChannel = {3};
    EXPECT_THROW(renderSong(song, 1), std::invalid_argument);
    song.order[0].patternOfChannel = {0, 0};
    EXPECT_THROW(renderSong(song, 1), std::invalid_argument);
}

TEST(Echo, RepeatsAtTheDelayAndWrapsInALoop) {
    StereoBuffer input(44100);
    input.left[1000] = input.right[1000] = 1.0f;
    const EchoSettings settings{0.1f, 0.5f, 20000.0f, false};
    const StereoBuffer once = renderEcho(input, settings, false);
    EXPECT_NEAR(once.left[1000 + 4410], 1.0f, 1e-6);
    EXPECT_NEAR(once.left[1000 + 2 * 4410], 0.5f, 0.05f);  // one pass through the damping filter
    // Looped, the repeats that run past the end come back in at the start.
    const StereoBuffer looped = renderEcho(input, settings, true);
    const size_t wrapped = (1000 + 10 * 4410) % 44100;
    EXPECT_GT(std::fabs(looped.left[wrapped]), 1e-4f);
    EXPECT_EQ(once.left[wrapped], 0.0f);
}

TEST(Reverb, TailDiesAwayAndSpreadsToBothSides) {
    StereoBuffer input(3 * 44100);
    input.left[0] = 1.0f;
    const StereoBuffer wet = renderReverb(input, {0.8f, 4000.0f}, false);
    auto energy = [&](size_t from, size_t to) {
        double sum = 0.0;
        for (size_t i = from; i < to; ++i) sum += wet.left[i] * wet.left[i] + wet.right[i] * wet.right[i];
        return sum;
    };
    EXPECT_GT(energy(0, 22050), 0.0);
    EXPECT_LT(energy(2 * 44100, 3 * 44100), 1e-4 * energy(0, 22050));
    EXPECT_NE(wet.left[5000], wet.right[5000]);
}

TEST(Mastering, ReachesTheTargetLevelUnderTheCeiling) {
    StereoBuffer buffer(44100);
    for (size_t i = 0; i < buffer.frames(); ++i) {
        // A quiet tone with a few loud spikes, like drums over a pad.
        const float tone = 0.05f * std::sin(2.0 * M_PI * 220.0 * i / 44100.0);
        buffer.left[i] = buffer.right[i] = tone + (i % 11025 == 0 ? 0.9f : 0.0f);
    }
    masterToLevel(buffer, -16.0f, -1.5f);
    EXPECT_NEAR(20.0 * std::log10(rmsOf(buffer)), -16.0, 0.1);
    EXPECT_LE(peakOf(buffer), decibelsToGain(-1.5f));
}
