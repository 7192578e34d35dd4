// The battle track: A minor at 140 beats a minute, four-on-the-floor drums,
// an octave-jumping bass, pads, stabs, an arpeggio and a saw lead.
#include "composition.h"
#include "instruments.h"
#include "tracks.h"

#include "../mastering.h"

namespace {

constexpr int kBar = 16;
constexpr uint64_t kSeed = 0xBA771E0ull;

const std::vector<std::string> kChordsA = {"A3+C4+E4", "F3+A3+C4", "G3+C4+E4", "G3+B3+D4",
                                           "A3+C4+E4", "F3+A3+C4", "G3+B3+D4", "G#3+B3+E4"};
const std::vector<std::string> kChordsB = {"F3+A3+C4", "G3+B3+D4", "G3+B3+E4", "A3+C4+E4",
                                           "F3+A3+C4", "G3+B3+D4", "G#3+B3+E4", "G#3+B3+E4"};
const std::vector<std::string> kChordsC = {"A3+C4+E4", "A3+C4+E4", "F3+A3+C4", "F3+A3+C4",
                                           "G3+C4+E4", "G3+C4+E4", "G3+B3+D4", "G#3+B3+E4"};
const std::vector<std::string> kChordsIntro = {"A3+C4+E4", "A3+C4+E4", "A3+C4+E4", "A3+C4+E4"};

const std::vector<std::string> kRootsA = {"A1", "F1", "C2", "G1", "A1", "F1", "G1", "E1"};
const std::vector<std::string> kRootsB = {"F1", "G1", "E1", "A1", "F1", "G1", "E1", "E1"};
const std::vector<std::string> kRootsC = {"A1", "A1", "F1", "F1", "C2", "C2", "G1", "E1"};
const std::vector<std::string> kRootsIntro = {"A1", "A1", "A1", "A1"};

// Eighth notes that jump to the octave, with a sixteenth push on each beat pair.
const std::vector<RiffStep> kGallop = {{0, 2, true}, {0, 1}, {0, 1}, {12, 2}, {0, 2, true},
                                       {0, 2}, {0, 1}, {0, 1}, {12, 2}, {7, 2}};
const std::vector<RiffStep> kLongRoot = {{0, 12, true}, {12, 4}};

const char* kLeadA =
    "A4:3 C5:3 E5:2 A5:4 G5:2 E5:2  F5:6 E5:2 C5:4 A4:4  G4:3 C5:3 E5:2 G5:4 E5:2 C5:2  D5:6 B4:2 G4:4 D5:4 "
    "A4:3 C5:3 E5:2 A5:4 C6:2 B5:2  A5:6 G5:2 F5:4 E5:4  D5:3 E5:3 F5:2 G5:4 B5:4  G#5:8 E5:4 B4:4";
const char* kHarmonyA =
    "E4:3 A4:3 C5:2 E5:4 E5:2 C5:2  C5:6 C5:2 A4:4 F4:4  E4:3 G4:3 C5:2 E5:4 C5:2 G4:2  B4:6 G4:2 D4:4 B4:4 "
    "E4:3 A4:3 C5:2 E5:4 A5:2 G5:2  F5:6 E5:2 C5:4 C5:4  B4:3 C5:3 D5:2 D5:4 G5:4  E5:8 B4:4 G#4:4";
const char* kLeadB =
    "C6:4 A5:4 F5:4 A5:4  D6:6 C6:2 B5:4 G5:4  B5:6 A5:2 G5:4 E5:4  A5:12 .:4 "
    "C6:3 C6:3 A5:2 F5:4 A5:4  D6:3 D6:3 B5:2 G5:4 D6:4  E6:6 D6:2 B5:4 G#5:4  E5:4 G#5:4 B5:4 E6:4";
const char* kLeadC = "E5:32 F5:32 G5:32 B5:16 G#5:16";

Patch breakdownLeadPatch() {
    Patch patch = sawLeadPatch();
    patch.amp = {0.4f, 0.5f, 0.8f, 0.8f};
    patch.cutoffHz = 1500.0f;
    return patch;
}

}  // namespace

Song battleSong() {
    Song song;
    song.beatsPerMinute = 140.0;
    song.stepsPerBeat = 4;
    song.loop = true;
    song.echo = {60.0f / 140.0f * 0.75f, 0.35f, 4000.0f, true};  // a dotted eighth
    song.reverb = {0.78f, 4500.0f};

    KickSettings kick;
    kick.startHz = 160.0f;
    kick.endHz = 48.0f;
    kick.ampDecay = 0.22f;
    kick.seconds = 0.45f;
    HiHatSettings closedHat;
    HiHatSettings openHat{0.22f, 7500.0f, 0.5f};

    // Order: kick, snare, closed hat, open hat, crash, bass, pad, stabs, arpeggio, lead, harmony.
    song.channels = {
        {"kick", kickInstrument(kick),
         {repeatHits("x...x...x...x...", 1, kBar),
          concatenate({repeatHits("x.........x.....", 6, kBar), repeatHits("x...x...x...x...", 1, kBar),
                       repeatHits("x...x...x.x.x.x.", 1, kBar)})},
         0.7f, 0.0f, 0.0f, 0.0f, 0.05f},
        {"snare", snareInstrument({}),
         {concatenate({repeatHits("................", 3, kBar), repeatHits("....x.......xoxx", 1, kBar)}),
          concatenate({repeatHits("....x.......x...", 7, kBar), repeatHits("....x...x.x.xoxx", 1, kBar)}),
          concatenate({repeatHits("........x.......", 6, kBar), repeatHits("....x.......x...", 1, kBar),
                       repeatHits("x.x.x.x.xoxoxxxx", 1, kBar)})},
         0.45f, 0.05f, 0.0f, 0.15f, 0.1f},
        {"closed hat", hiHatInstrument(closedHat),
         {repeatHits("x.x.x.x.x.x.x.x.", 1, kBar), repeatHits("xoxoxoxoxoxoxoxo", 1, kBar),
          repeatHits("..x...x...x...xo", 1, kBar)},
         0.22f, 0.25f, 0.0f, 0.05f, 0.3f},
        {"open hat", hiHatInstrument(openHat), {repeatHits("..x...x...x...x.", 1, kBar)}, 0.13f, -0.25f, 0.0f, 0.1f, 0.2f},
        {"crash", crashInstrument(1.8f), {parseHits("x" + std::string(8 * kBar - 1, '.'), 60, 8 * kBar)}, 0.22f, 0.2f, 0.0f, 0.2f},
        {"bass", patchInstrument(drivingBassPatch()),
         {rootRiff(kRootsIntro, kGallop), rootRiff(kRootsA, kGallop), rootRiff(kRootsB, kGallop), rootRiff(kRootsC, kLongRoot)},
         0.5f, 0.0f, 0.0f, 0.0f, 0.1f, 0.9f},
        {"pad", patchInstrument(warmPadPatch()),
         {chordRhythm(kChordsA, {16}), chordRhythm(kChordsB, {16}), chordRhythm(kChordsC, {16})},
         0.085f, 0.0f, 0.0f, 0.5f},
        {"stabs", patchInstrument(stabPatch()),
         {chordRhythm(kChordsA, {-2, 2, -2, 2, -2, 2, -2, 2}), chordRhythm(kChordsB, {-2, 2, -2, 2, -2, 2, -2, 2})},
         0.09f, -0.35f, 0.25f, 0.2f, 0.1f, 0.6f},
        {"arpeggio", patchInstrument(pluckPatch()),
         {arpeggio(kChordsIntro, {0, 1, 2, 3, 2, 1, 0, 1, 0, 1, 2, 3, 4, 3, 2, 1}, 1, 12),
          arpeggio(kChordsA, {0, 1, 2, 3, 2, 1, 0, 1, 0, 1, 2, 3, 4, 3, 2, 1}, 1, 12),
          arpeggio(kChordsC, {0, 1, 2, 3, 4, 5, 4, 3, 2, 1, 2, 3, 4, 5, 6, 5}, 1, 12)},
         0.12f, 0.4f, 0.35f, 0.15f, 0.15f, 0.7f},
        {"lead", patchInstrument(sawLeadPatch()),
         {parseMelody(kLeadA, 8 * kBar), parseMelody(kLeadB, 8 * kBar)}, 0.2f, -0.05f, 0.3f, 0.25f, 0.1f, 0.92f},
        {"breakdown lead", patchInstrument(breakdownLeadPatch()), {parseMelody(kLeadC, 8 * kBar)}, 0.15f, 0.0f, 0.4f, 0.4f},
        {"harmony", patchInstrument(softLeadPatch()), {parseMelody(kHarmonyA, 8 * kBar)}, 0.17f, 0.3f, 0.25f, 0.3f, 0.1f, 0.92f},
    };
    //                 kick snare chat ohat crash bass pad stab arp lead bdl harm
    song.order = {
        {4 * kBar, {0, 0, 0, -1, -1, 0, -1, -1, 0, -1, -1, -1}},
        {8 * kBar, {0, 1, 1, -1, 0, 1, 0, -1, 1, 0, -1, -1}},
        {8 * kBar, {0, 1, 1, 0, 0, 2, 1, 1, -1, 1, -1, -1}},
        {8 * kBar, {1, 2, 2, -1, 0, 3, 2, -1, 2, -1, 0, -1}},
        {8 * kBar, {0, 1, 1, 0, 0, 1, 0, 0, 1, 0, -1, 0}},
    };
    return song;
}

StereoBuffer makeBattle() {
    StereoBuffer mix = renderSong(battleSong(), kSeed);
    masterToLevel(mix, -15.0f, -1.5f);
    return mix;
}
