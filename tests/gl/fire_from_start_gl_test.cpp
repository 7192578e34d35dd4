// The sound must never cost a frame, nor the first use of a kind of drawing:
// the harshest start a player can make, and how soon the title music is heard.
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "app/draw_warm_up.h"
#include "app/frame_pacing.h"
#include "world/command_queue.h"
#include "game_window.h"
#include "gfx/draw_path.h"
#include "gfx/overlay.h"
#include "platform/mixer_sound_backend.h"
#include "platform/mixer_sound_setup.h"
#include "platform/sound_decoder.h"
#include "state/options.h"
#include "world/render_pass.h"
#include "world/world.h"

namespace {
bool aliasPlaying(const char* alias) {
    auto* mixer = dynamic_cast<MixerSoundBackend*>(&soundBackend());
    return mixer != nullptr && Mix_Playing(mixer->aliasChannel(alias)) != 0;
}

// Something done during play just before tick `frame` of it, and what must
// hold once that tick and its picture are done.
struct Step {
    int frame;
    void (*act)();
    void (*check)();
};

// The space bar starts the game after `titleFrames` title frames and fire is
// held from then on, while the music is still decoding: the battle music, the
// siren and the first laser shots are all asked for in the first frame of
// play. Every kind of frame was drawn by the start-up warm-up, whose passes
// run between title frames and, when play begins first, before it: after the
// first frame of play no warm-up pass runs and no kind of frame is drawn for
// the first time. Returns the kinds drawn in play, one bit per kind.
unsigned holdFireFromTheStart(int titleFrames, std::initializer_list<Step> steps) {
    // As on a machine that has never run the game: Mesa's disk cache of
    // compiled programs would otherwise hide a draw the warm-up missed.
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    startGameForTest();
    runGameTicks(titleFrames);
    queueKeyDown(' ');  // leaves the title screen
    queueKeyDown(' ');  // and holds fire

    constexpr int kFrames = 100;  // five seconds of play
    unsigned kindsKnown = 0, kindsInPlay = 0;
    int passesKnown = 0;
    double worstMs = 0.0;
    int worstFrame = 0;
    for (int frame = 0; frame < kFrames; ++frame) {
        for (const Step& step : steps)
            if (step.frame == frame && step.act != nullptr) step.act();
        runGameTicks(1);
        if (frame == 0) {
            EXPECT_EQ(gameState, 1);
        }
        for (const Step& step : steps)
            if (step.frame == frame && step.check != nullptr) step.check();
        kindsInPlay |= 1u << lastDrawKind();
        if (frame > 0) {
            EXPECT_EQ(drawKindsSeen(), kindsKnown) << "frame " << frame + 1 << " of play drew a kind of frame for the first time";
            EXPECT_EQ(worldWarmUpPassesRun(), passesKnown) << "a warm-up pass ran in frame " << frame + 1 << " of play";
        } else {
            EXPECT_EQ(worldWarmUpPassesRun(), 8) << "the warm-up had not finished when play began";
        }
        kindsKnown = drawKindsSeen();
        passesKnown = worldWarmUpPassesRun();
        const double workMs = static_cast<double>(lastFrameWorkNs) / 1e6;
        if (workMs > worstMs) worstMs = workMs, worstFrame = frame + 1;
    }
    // A figure for the record, not a check: load stretches it.
    std::printf("frame work over %d frames of play: worst %.1f ms (frame %d), budget %d ms\n", kFrames, worstMs,
                worstFrame, kFrameBudgetMs);
    return kindsInPlay;
}

void tapSpecial(int key) {
    queueSpecialDown(key);
    queueSpecialUp(key);
}
}  // namespace

TEST(FireFromStart, NoWarmUpAndNoNewKindOfFrameAfterTheFirstFrameOfPlay) {
    EXPECT_EQ(holdFireFromTheStart(0, {}), 1u << 0) << "only the cockpit view, plain, was drawn";
    // The music decoded in the background and started and stopped as asked:
    // the title, stopped while it was loading, stays stopped.
    EXPECT_TRUE(aliasPlaying("background0.mp3"));
    EXPECT_FALSE(aliasPlaying("title.mp3"));
}

// After two title frames part of the warm-up has run and the rest has not;
// then every key that changes what is drawn is pressed once, and each is seen
// to act. Not full screen, whose first frame only fills more pixels, nor the
// ship's death, whose explosion is fill too.
TEST(FireFromStart, AfterTwoTitleFramesNoKeyDrawsANewKindOfFrame) {
    const unsigned kinds = holdFireFromTheStart(2, {
        {5, [] { queueKeyDown('p'); }, [] { EXPECT_TRUE(getWorld()->paused) << "the pause menu"; }},
        {8, [] { tapSpecial(KeyDown); }, nullptr},  // its cursor moves
        {10, [] { tapSpecial(KeyDown); }, [] { EXPECT_EQ(getOverlay()->menuIndex, 2); }},
        {15, [] { queueKeyDown('p'); }, [] { EXPECT_FALSE(getWorld()->paused); }},
        {20, [] { queueKeyDown('3'), queueSpecialDown(KeyUp); }, [] { EXPECT_EQ(cameraMode, 2) << "the chase view"; }},
        {29, nullptr, [] { EXPECT_GT(getWorld()->glowLevel, 0) << "the chase view's glow"; }},
        {30, [] { queueSpecialUp(KeyUp); }, nullptr},
        {35, [] { queueKeyDown('0'); }, [] { EXPECT_TRUE(wireframe); }},
        {40, [] { queueKeyDown('f'); }, [] { EXPECT_TRUE(optNebula); }},  // the nebula, then its menu
        {45, [] { queueKeyDown('p'); }, [] { EXPECT_TRUE(getWorld()->paused); }},
        {50, [] { queueKeyDown('p'); }, [] { EXPECT_FALSE(getWorld()->paused); }},
        {55, [] { queueKeyDown('0'), queueKeyDown('f'); }, [] { EXPECT_FALSE(wireframe || optNebula); }},
        {60, [] { queueKeyDown('\\'); }, [] { EXPECT_TRUE(getWorld()->won) << "won: the credits"; }},
        {69, nullptr, [] { EXPECT_GT(getOverlay()->creditScroll, 0.0f) << "the credits scroll"; }},
        {70, [] { queueKeyDown('r'); }, [] { EXPECT_FALSE(getWorld()->won) << "restarted"; }},
        {72, nullptr, [] { EXPECT_EQ(getOverlay()->creditScroll, 0.0f); }},
    });
    // The cockpit and chase views, each plain, with the menu, in wireframe and with fog.
    for (const unsigned kind : {0u, 0u | DrawPauseMenu, 0u | DrawChaseView, DrawChaseView | DrawWireframe,
                                DrawChaseView | DrawWireframe | DrawFog,
                                DrawChaseView | DrawWireframe | DrawFog | DrawPauseMenu})
        EXPECT_NE(kinds & (1u << kind), 0u) << "kind " << kind << " was not drawn in play";
}

// SDL's disk driver writes the mixed stream, paced like a device, from the
// moment the device opens: the first sound in it tells when the music began
// (printed: a figure, which load can stretch, not a rule).
// The music starts while it is still decoding, and what is heard is the
// music itself, unbroken, across the moment its decoding ends.
TEST(TitleMusic, PlaysUnbrokenFromItsFirstSound) {
    const std::string stream = ::testing::TempDir() + "veltrane_title_" + std::to_string(getpid()) + ".raw";
    setenv("SDL_DISKAUDIOFILE", stream.c_str(), 1);
    startGameForTest("disk");
    runGameTicks(60);  // three seconds of the title screen
    ASSERT_TRUE(aliasPlaying("title.mp3"));
    shutdownMixerSound();  // closes the stream's file

    std::ifstream in(stream, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::remove(stream.c_str());
    const auto* heard = reinterpret_cast<const std::int16_t*>(bytes.data());
    const std::size_t count = bytes.size() / sizeof(std::int16_t);
    // The title opens on a loud note: well above the dither of silence.
    const std::size_t onset = (std::find_if(heard, heard + count, [](std::int16_t s) { return std::abs(s) > 64; }) - heard) & ~std::size_t{1};
    ASSERT_LT(onset, count) << "no sound in " << count << " samples";
    const double startMs = static_cast<double>(onset) / 2.0 / 44100.0 * 1000.0;
    std::printf("title music starts %.1f ms after the device opened\n", startMs);

    SoundDecoder decoder("title.mp3", SoundFileKind::Mpeg, PcmFormat{44100, AUDIO_S16SYS, 2});
    while (!decoder.decodeSlice()) continue;
    const auto* title = reinterpret_cast<const std::int16_t*>(decoder.pcm().data());
    const std::size_t compared = std::min({count - onset, decoder.pcm().size() / 2, std::size_t{2 * 44100 * 2}});
    ASSERT_GE(compared, std::size_t{44100 * 2}) << "under a second heard";
    std::size_t firstDifference = 0;
    while (firstDifference < compared && heard[onset + firstDifference] == title[firstDifference]) ++firstDifference;
    EXPECT_EQ(firstDifference, compared) << "heard differs from the music at frame " << firstDifference / 2;
}
