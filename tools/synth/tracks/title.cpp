// The title theme: D minor at 75 beats a minute; slow pads, a bell arpeggio
// in long echoes, a soft lead and light drums in a large room.
#include "composition.h"
#include "instruments.h"
#include "tracks.h"

#include "../mastering.h"

namespace {

constexpr int kBar = 16;
constexpr uint64_t kSeed = 0x717E5ull;

const std::vector<std::string> kChords = {"D3+F3+A3+C4", "D3+F3+A3+C4", "Bb2+D3+F3+A3", "Bb2+D3+F3+A3",
                                          "F3+A3+C4+E4", "F3+A3+C4+E4", "C3+E3+G3+D4", "C3+E3+G3+D4"};
const std::vector<std::string> kArpChords = {"D4+F4+A4", "D4+F4+A4", "Bb3+D4+F4", "Bb3+D4+F4",
                                             "F4+A4+C5", "F4+A4+C5", "C4+E4+G4", "C4+E4+G4"};
const char* kBass = "D2:24 D2:8 Bb1:24 Bb1:8 F1:24 F2:8 C2:24 C2:8";
const char* kThemeA =
    "A4:8 D5:4 E5:4  F5:12 E5:4  D5:8 F5:4 A5:4  F5:16 "
    "C5:8 F5:4 G5:4  A5:12 G5:4  E5:8 G5:4 F5:4  E5:8 D5:8";
const char* kThemeB =
    "D6:6 C6:2 A5:8  F5:4 G5:4 A5:8  Bb5:6 A5:2 F5:8  D5:8 F5:4 G5:4 "
    "A5:6 G5:2 F5:8  C6:8 A5:8  G5:6 E5:2 C5:8  E5:12 D5:4";
// Bells answering the theme from high up, only in the second half.
const char* kCounter =
    ".:8 A5:4 D6:4  .:16  .:8 F5:4 D6:4  .:16  .:8 C6:4 F6:4  .:16  .:8 G5:4 E6:4  .:16";

}  // namespace

Song titleSong() {
    Song song;
    song.beatsPerMinute = 75.0;
    song.stepsPerBeat = 4;
    song.loop = true;
    song.echo = {60.0f / 75.0f * 0.75f, 0.5f, 3000.0f, true};
    song.reverb = {0.9f, 3500.0f};

    KickSettings kick;
    kick.startHz = 110.0f;
    kick.endHz = 42.0f;
    kick.ampDecay = 0.3f;
    kick.click = 0.1f;
    SnareSettings rim;
    rim.toneHz = 320.0f;
    rim.noiseDecay = 0.1f;
    rim.noiseLevel = 0.5f;
    HiHatSettings shaker{0.05f, 8000.0f, 0.2f};

    // Order: kick, rim, shaker, bass, pad, arpeggio, lead, counter bells.
    song.channels = {
        {"kick", kickInstrument(kick), {repeatHits("x.........x.....", 1, kBar), repeatHits("x......x..x.....", 1, kBar)},
         0.6f, 0.0f, 0.0f, 0.1f, 0.1f},
        {"rim", snareInstrument(rim), {repeatHits("........o.......", 1, kBar), repeatHits("........x.......", 1, kBar)},
         0.3f, -0.1f, 0.2f, 0.6f, 0.1f},
        {"shaker", hiHatInstrument(shaker), {repeatHits("o.o.o.o.o.o.o.oo", 1, kBar), repeatHits("oox.oox.oox.ooxo", 1, kBar)},
         0.16f, 0.35f, 0.0f, 0.3f, 0.4f},
        {"bass", patchInstrument(subBassPatch()), {parseMelody(kBass, 8 * kBar)}, 0.5f, 0.0f, 0.0f, 0.1f, 0.0f, 0.95f},
        {"pad", patchInstrument(warmPadPatch()), {chordRhythm(kChords, {16})}, 0.11f, 0.0f, 0.0f, 0.7f},
        {"arpeggio", patchInstrument(bellPatch()), {arpeggio(kArpChords, {0, 1, 2, 3, 4, 3, 2, 1}, 2)},
         0.12f, -0.3f, 0.6f, 0.5f, 0.2f},
        {"lead", patchInstrument(softLeadPatch()), {parseMelody(kThemeA, 8 * kBar), parseMelody(kThemeB, 8 * kBar)},
         0.27f, 0.1f, 0.3f, 0.6f, 0.05f, 0.95f},
        {"counter", patchInstrument(bellPatch()), {parseMelody(kCounter, 8 * kBar)}, 0.12f, 0.45f, 0.5f, 0.6f},
    };
    song.order = {
        {8 * kBar, {0, 0, 0, 0, 0, 0, 0, -1}},
        {8 * kBar, {1, 1, 1, 0, 0, 0, 1, 0}},
    };
    return song;
}

StereoBuffer makeTitle() {
    StereoBuffer mix = renderSong(titleSong(), kSeed);
    masterToLevel(mix, -17.0f, -1.5f);
    return mix;
}
