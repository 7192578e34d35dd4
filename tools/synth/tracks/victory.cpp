// The victory fanfare: C major at 126 beats a minute with triplet pickups,
// two brass lines, timpani, a snare roll and a crash on the final chord.
#include "composition.h"
#include "instruments.h"
#include "tracks.h"

#include "../mastering.h"

namespace {

constexpr int kBar = 24;  // six steps a beat, so triplet eighths fall on even steps
constexpr uint64_t kSeed = 0xF4F4E4ull;

const char* kLead =
    "G4:2 G4:2 G4:2 C5:6 G4:3 C5:3 E5:6  D5:2 D5:2 D5:2 G5:6 F5:3 E5:3 D5:6 "
    "E5:2 E5:2 E5:2 A5:6 G5:3 A5:3 B5:6  C6:24!";
const char* kHarmony =
    "E4:2 E4:2 E4:2 G4:6 E4:3 G4:3 C5:6  B4:2 B4:2 B4:2 D5:6 D5:3 C5:3 B4:6 "
    "C5:2 C5:2 C5:2 F5:6 E5:3 F5:3 G5:6  G5:24!";
const char* kChords = "C4+E4+G4:24 B3+D4+G4:24 C4+F4+A4:12 B3+D4+G4:12 C4+E4+G4+C5:24!";
const char* kBass = "C2:12 C2:6 G1:6  G1:12 G1:6 D2:6  F1:12 G1:12  C2:24!";
const char* kTimpani = "C2:2! C2:2 C2:2 C2:6 G1:12  G1:2! G1:2 G1:2 G1:6 D2:12  F1:12! G1:2 G1:2 G1:2 G1:2 G1:2 G1:2  C2:24!";

}  // namespace

Song victorySong() {
    Song song;
    song.beatsPerMinute = 126.0;
    song.stepsPerBeat = 6;
    song.loop = false;
    song.tailSeconds = 2.5;
    song.echo = {0.24f, 0.25f, 4000.0f, true};
    song.reverb = {0.85f, 4500.0f};

    // Order: timpani, snare, crash, bass, chords, lead, harmony.
    song.channels = {
        {"timpani", timpaniInstrument(), {parseMelody(kTimpani, 4 * kBar)}, 0.7f, 0.0f, 0.0f, 0.3f, 0.05f},
        {"snare", snareInstrument({}),
         {parseHits("x.o.o.................o.  x.o.o.................o.  x.o.o.......oooooooooooo  x.......................", 60,
                    4 * kBar)},
         0.4f, 0.1f, 0.0f, 0.3f, 0.15f},
        {"crash", crashInstrument(3.0f), {parseHits(std::string(72, '.') + "x" + std::string(23, '.'), 60, 4 * kBar)},
         0.3f, 0.2f, 0.0f, 0.3f},
        {"bass", patchInstrument(drivingBassPatch()), {parseMelody(kBass, 4 * kBar)}, 0.4f, 0.0f, 0.0f, 0.1f, 0.0f, 0.9f},
        {"chords", patchInstrument(brassPatch()), {parseMelody(kChords, 4 * kBar)}, 0.09f, -0.2f, 0.0f, 0.4f, 0.0f, 0.95f},
        {"lead", patchInstrument(brassPatch()), {parseMelody(kLead, 4 * kBar)}, 0.22f, 0.15f, 0.15f, 0.3f, 0.05f, 0.85f},
        {"harmony", patchInstrument(brassPatch()), {parseMelody(kHarmony, 4 * kBar)}, 0.16f, -0.3f, 0.15f, 0.3f, 0.05f, 0.85f},
    };
    song.order = {{4 * kBar, {0, 0, 0, 0, 0, 0, 0}}};
    return song;
}

StereoBuffer makeVictory() {
    StereoBuffer mix = renderSong(victorySong(), kSeed);
    masterToLevel(mix, -16.0f, -1.5f);
    // The last chord rings into the tail; bring the very end down to silence.
    fadeEdges(mix, 0.0, 1.2);
    return mix;
}
