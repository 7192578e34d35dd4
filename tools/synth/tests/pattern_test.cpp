#include "pattern.h"
#include "tracks/composition.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(NoteNames, MapToMidiNumbers) {
    EXPECT_EQ(noteNameToMidi("C4"), 60);
    EXPECT_EQ(noteNameToMidi("A4"), 69);
    EXPECT_EQ(noteNameToMidi("Bb2"), 46);
    EXPECT_EQ(noteNameToMidi("G#3"), 56);
    EXPECT_EQ(noteNameToMidi("C0"), 12);
    EXPECT_EQ(noteNameToMidi("B9"), 131);
    for (const char* bad : {"H4", "C", "C#", "C44"}) EXPECT_THROW(noteNameToMidi(bad), std::invalid_argument) << bad;
}

TEST(Melody, PlacesNotesChordsRestsAndAccentsAndRejectsBadText) {
    const Pattern pattern = parseMelody("A4:3 .:2 C4+E4:4! G5", 10);
    ASSERT_EQ(pattern.notes.size(), 4u);
    EXPECT_EQ(pattern.notes[0].lengthSteps, 3);
    EXPECT_EQ(pattern.notes[1].step, 5);  // after the two-step rest
    EXPECT_EQ(pattern.notes[1].midiNote, 60);
    EXPECT_EQ(pattern.notes[2].step, 5);  // chord tones share the step
    EXPECT_EQ(pattern.notes[2].midiNote, 64);
    EXPECT_GT(pattern.notes[2].velocity, pattern.notes[0].velocity);
    EXPECT_EQ(pattern.notes[3].step, 9);
    EXPECT_EQ(pattern.notes[3].lengthSteps, 1);

    for (const char* bad : {"A4:0", "A4:x", "A4:"}) EXPECT_THROW(parseMelody(bad), std::invalid_argument) << bad;
    EXPECT_THROW(parseMelody("A4:3 B4:3", 8), std::invalid_argument);
    EXPECT_NO_THROW(parseMelody("A4:3 B4:5", 8));
}

TEST(Hits, ReadOneCharacterPerStepIgnoringBarMarks) {
    const Pattern pattern = parseHits("x.o. | ..x.", 36, 8);
    ASSERT_EQ(pattern.notes.size(), 3u);
    EXPECT_EQ(pattern.notes[1].step, 2);
    EXPECT_LT(pattern.notes[1].velocity, pattern.notes[0].velocity);
    EXPECT_EQ(pattern.notes[2].step, 6);
    EXPECT_EQ(pattern.notes[2].midiNote, 36);
    EXPECT_THROW(parseHits("x.y.", 60), std::invalid_argument);
    EXPECT_THROW(parseHits("x...", 60, 16), std::invalid_argument);
}

TEST(Composition, ArpeggiosRiffsRhythmsAndJoinsKeepStepsInOrder) {
    // The arpeggio wraps past the chord's top note to the next octave.
    const Pattern arp = arpeggio({"A3+C4+E4"}, {0, 2, 3, 4}, 2);
    ASSERT_EQ(arp.notes.size(), 4u);
    EXPECT_EQ(arp.steps, 8);
    EXPECT_EQ(arp.notes[1].midiNote, 64);
    EXPECT_EQ(arp.notes[2].midiNote, 57 + 12);
    EXPECT_EQ(arp.notes[3].midiNote, 60 + 12);
    EXPECT_EQ(arp.notes[3].step, 6);

    const Pattern riff = rootRiff({"A1", "E1"}, {{0, 2}, {12, 1}, {0, 1, false, true}});
    EXPECT_EQ(riff.steps, 8);
    ASSERT_EQ(riff.notes.size(), 4u);
    EXPECT_EQ(riff.notes[1].midiNote, 33 + 12);
    EXPECT_EQ(riff.notes[2].step, 4);
    EXPECT_EQ(riff.notes[2].midiNote, 28);
    const Pattern stabs = chordRhythm({"C4+E4"}, {-2, 2});
    EXPECT_EQ(stabs.steps, 4);
    ASSERT_EQ(stabs.notes.size(), 2u);
    EXPECT_EQ(stabs.notes[0].step, 2);
    const Pattern joined = concatenate({riff, stabs});
    EXPECT_EQ(joined.steps, 12);
    EXPECT_EQ(joined.notes.back().step, 10);
}
