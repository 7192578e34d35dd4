// The game-over lament: C minor at 60 beats a minute; strings, an electric
// piano line over broken chords, a sine bass and brushed drums.
#include "composition.h"
#include "instruments.h"
#include "tracks.h"

#include "../mastering.h"

namespace {

constexpr int kBar = 16;
constexpr uint64_t kSeed = 0x6A3E0FE5ull;

const char* kStrings =
    "C3+Eb3+G3:16 Ab2+C3+Eb3:16 F2+Ab2+C3:16 G2+B2+D3:16 "
    "C3+Eb3+G3:16 Ab2+C3+Eb3:16 F2+Ab2+C3:8 G2+B2+D3:8 C3+Eb3+G3:16";
const std::vector<std::string> kBroken = {"C4+Eb4+G4", "C4+Eb4+Ab4", "C4+F4+Ab4", "B3+D4+G4",
                                          "C4+Eb4+G4", "C4+Eb4+Ab4", "C4+F4+Ab4", "C4+Eb4+G4"};
const char* kBass = "C2:16 Ab1:16 F1:16 G1:16 C2:16 Ab1:16 F1:8 G1:8 C2:16";
const char* kMelody =
    "G4:8 Eb5:4 D5:4  C5:8 Bb4:4 Ab4:4  Ab4:8 C5:4 F5:4  D5:8 B4:8 "
    "G5:8 F5:4 Eb5:4  Eb5:8 D5:4 C5:4  C5:4 Ab4:4 B4:4 D5:4  C5:16";

Patch stringsPatch() {
    Patch patch = warmPadPatch();
    patch.amp = {0.6f, 0.8f, 0.85f, 1.2f};
    patch.cutoffHz = 1100.0f;
    patch.vibratoHz = 4.5f;
    patch.vibratoCents = 8.0f;
    patch.vibratoDelay = 0.4f;
    return patch;
}

}  // namespace

Song gameOverSong() {
    Song song;
    song.beatsPerMinute = 60.0;
    song.stepsPerBeat = 4;
    song.loop = true;
    song.echo = {0.5f, 0.4f, 2500.0f, true};
    song.reverb = {0.9f, 3000.0f};

    KickSettings kick;
    kick.startHz = 90.0f;
    kick.endHz = 40.0f;
    kick.ampDecay = 0.4f;
    kick.click = 0.05f;
    SnareSettings brush;
    brush.toneHz = 200.0f;
    brush.toneDecay = 0.03f;
    brush.noiseDecay = 0.25f;
    brush.brightness = 1800.0f;
    HiHatSettings hat{0.06f, 6500.0f, 0.25f};

    // Order: kick, brush, hat, bass, strings, broken chords, melody.
    song.channels = {
        {"kick", kickInstrument(kick), {repeatHits("x.......o.......", 1, kBar)}, 0.55f, 0.0f, 0.0f, 0.15f, 0.1f},
        {"brush", snareInstrument(brush), {repeatHits("....o.......o..o", 1, kBar)}, 0.3f, -0.15f, 0.0f, 0.6f, 0.2f},
        {"hat", hiHatInstrument(hat), {repeatHits("..o...o...o...o.", 1, kBar)}, 0.12f, 0.3f, 0.0f, 0.4f, 0.3f},
        {"bass", patchInstrument(subBassPatch()), {parseMelody(kBass, 8 * kBar)}, 0.5f, 0.0f, 0.0f, 0.1f, 0.0f, 0.95f},
        {"strings", patchInstrument(stringsPatch()), {parseMelody(kStrings, 8 * kBar)}, 0.13f, 0.0f, 0.0f, 0.7f},
        {"broken chords", patchInstrument(electricPianoPatch()), {arpeggio(kBroken, {0, 1, 2, 1}, 4)},
         0.12f, -0.35f, 0.2f, 0.5f, 0.15f},
        {"melody", patchInstrument(electricPianoPatch()), {parseMelody(kMelody, 8 * kBar)}, 0.3f, 0.15f, 0.3f, 0.6f, 0.05f},
    };
    song.order = {{8 * kBar, {0, 0, 0, 0, 0, 0, 0}}};
    return song;
}

StereoBuffer makeGameOver() {
    StereoBuffer mix = renderSong(gameOverSong(), kSeed);
    masterToLevel(mix, -18.0f, -1.5f);
    return mix;
}
