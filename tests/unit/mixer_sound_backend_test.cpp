// The real SDL2_mixer back end on SDL's "dummy" audio driver, which mixes in
// real time into nowhere, so the channels' states can be watched.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "app/volume_keys.h"
#include "platform/load_urgency.h"
#include "platform/mixer_sound_backend.h"
#include "platform/mixer_sound_setup.h"
#include "state/sound_cues.h"
#include "state/sound_volume.h"

namespace fs = std::filesystem;

namespace {

const std::string kMusic = std::string(VELTRANE_SOURCE_DIR) + "/fuzz/corpus/sound_decoder/stereo_44k.mp3";

// A 16-bit stereo WAV of a square tone at the mixer's own rate.
void writeTone(const fs::path& path, double seconds) {
    const auto frames = static_cast<std::uint32_t>(seconds * 44100);
    std::ofstream out(path, std::ios::binary);
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
    };
    // After the RIFF size: chunk size, PCM, stereo, rate, bytes a second, bytes a frame, bits a sample.
    out << "RIFF"; put(36 + frames * 4, 4); out << "WAVEfmt ";
    for (auto [value, bytes] : {std::pair{16u, 4}, {1u, 2}, {2u, 2}, {44100u, 4}, {44100u * 4, 4}, {4u, 2}, {16u, 2}})
        put(value, bytes);
    out << "data"; put(frames * 4, 4);
    for (std::uint32_t f = 0; f < frames; ++f) put((f / 50) % 2 ? 0x1f401f40u : 0xe0c0e0c0u, 4);
}

class MixerSoundBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        fs::create_directories(dir);
        ASSERT_TRUE(backend.open());
    }
    void TearDown() override { backend.close(); fs::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    int open(const char* name) { return backend.command("open " + path(name) + " type waveaudio alias " + name); }
    bool playing(const char* alias) const { return Mix_Playing(backend.aliasChannel(alias)) != 0; }

    const fs::path dir = fs::temp_directory_path() / ("veltrane_sound_" + std::to_string(getpid()));
    MixerSoundBackend backend;
};

}  // namespace

// A play that arrives while its file loads starts once it is loaded, unless a
// stop comes first. A repeat loops until its own stop, a one-shot ends by itself.
TEST_F(MixerSoundBackendTest, PlaysAndStopsAliasesBeforeAndAfterTheyLoad) {
    for (auto [name, seconds] : {std::pair{"loop", 0.05}, {"once", 0.5}, {"cancelled", 1.0}}) writeTone(dir / name, seconds);
    backend.holdLoads(true);
    for (const char* name : {"loop", "once", "cancelled"}) ASSERT_EQ(open(name), kSoundOk);
    for (const char* text : {"play loop repeat from 0", "play once from 0", "play cancelled from 0", "stop cancelled"})
        EXPECT_EQ(backend.command(text), kSoundOk) << text;
    backend.playLaser(path("once"));
    EXPECT_EQ(Mix_Playing(-1), 0);

    backend.holdLoads(false);
    backend.waitForLoads();
    EXPECT_TRUE(playing("loop") && playing("once") && !playing("cancelled"));
    EXPECT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel)) << "the first shot waits for its file";
    for (int wait = 0; wait < 2500 && (playing("once") || Mix_Playing(MixerSoundBackend::kLaserChannel)); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_TRUE(!playing("once") && playing("loop")) << "the one-shot ended, the repeat went round ten times";
    EXPECT_EQ(backend.command("stop loop"), kSoundOk);
    EXPECT_FALSE(playing("loop"));
    // The laser's file is read once; every shot cuts the one before.
    fs::remove(dir / "once");
    backend.playLaser(path("once"));
    backend.playLaser(path("once"));
    EXPECT_EQ(Mix_Playing(-1), 1);
}

// A missing file loses its alias; one that reads but does not decode keeps it, silent.
TEST_F(MixerSoundBackendTest, MissingOrUndecodableFilesStaySilent) {
    EXPECT_EQ(open("missing"), kSoundFileUnusable);
    EXPECT_EQ(backend.command("play missing from 0"), kSoundUnknownAlias);
    std::ofstream(dir / "junk.wav") << "RIFF and then nothing a WAV file needs";
    backend.holdLoads(true);
    EXPECT_EQ(open("junk.wav"), kSoundOk);
    EXPECT_EQ(backend.command("play junk.wav repeat from 0"), kSoundOk);
    backend.holdLoads(false);
    backend.waitForLoads();
    EXPECT_EQ(backend.command("play junk.wav from 0"), kSoundFileUnusable);
    backend.playLaser(path("nolaser"));
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST(MixerSoundSetup, SilentWithOneLineWithoutADeviceAndLeavesQuitSignalsToTheGame) {
    SoundBackend& silent = soundBackend();
    setenv("SDL_AUDIODRIVER", "no_such_audio_driver", 1);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(installMixerSound());
    EXPECT_EQ(soundBackend().command("play title.mp3 repeat from 0"), kSoundNoDevice);
    openSounds();
    shutdownMixerSound();
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_LE(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
    EXPECT_EQ(&soundBackend(), &silent);

    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(installMixerSound());
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction action {};
        sigaction(signal, nullptr, &action);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "SDL took signal " << signal;
    }
    EXPECT_EQ(soundBackend().command("stop title.mp3"), kSoundUnknownAlias) << "the mixer, not the silent default";
    shutdownMixerSound();
    EXPECT_EQ(&soundBackend(), &silent);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

// A loop that plays while it decodes stays first until it is whole, ahead of
// the effects and of files opened before it, and never gives way.
TEST(LoadUrgency, APlayingTrackComesFirstUntilWhole) {
    const PendingLoad title{.playing = true, .order = 3};
    for (const PendingLoad& other : {PendingLoad{}, PendingLoad{.effect = true}, PendingLoad{.waitedFor = true}})
        EXPECT_TRUE(moreUrgent(title, other) && !moreUrgent(other, title));
    EXPECT_TRUE(isUrgent(title) && !isUrgent(PendingLoad{}));
}

// A loop starts after its first second is decoded; where the mixer refuses
// that early start (here its channel is taken away), the loop starts whole
// once decoded. The playing loop is decoded to its end before anything else.
TEST_F(MixerSoundBackendTest, ALoopStartsEarlyOrOnceDecodedWhenTheMixerRefuses) {
    backend.holdLoads(true);
    for (const char* alias : {"early", "refused"}) {
        ASSERT_EQ(backend.command("open " + kMusic + " type mpegvideo alias " + alias), kSoundOk);
        ASSERT_EQ(backend.command(std::string("play ") + alias + " repeat from 0"), kSoundOk);
    }
    backend.runLoadSlices(1);
    EXPECT_TRUE(playing("early")) << "playing after its first second";
    Mix_AllocateChannels(backend.aliasChannel("refused"));
    backend.runLoadSlices(2);  // the rest of "early", then the first second of "refused"
    EXPECT_TRUE(playing("early"));
    Mix_AllocateChannels(backend.aliasChannel("refused") + 1);
    backend.holdLoads(false);
    backend.waitForLoads();
    EXPECT_TRUE(playing("early") && playing("refused"));
}

// A loop whose tag claims 1.2 s of its 2.4 starts early from the buffer the
// claim reserved, waits at its end while the rest decodes, then plays on in
// the whole sound (the sanitizers watch the mixer read across the swap).
TEST_F(MixerSoundBackendTest, ALoopWhoseTagLiesShortPlaysOnIntoTheWholeSound) {
    std::ifstream in(kMusic, std::ios::binary);
    const std::string music{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // An Info frame (its header copied from the music's first frame) counting 46 frames.
    std::string info(104, '\0');
    info.replace(0, 4, music, 0, 4);
    info.replace(36, 12, std::string("Info\0\0\0\1\0\0\0\x2e", 12));
    std::ofstream(dir / "lying.mp3", std::ios::binary) << info << music << music;

    backend.holdLoads(true);
    ASSERT_EQ(backend.command("open " + path("lying.mp3") + " type mpegvideo alias lying.mp3"), kSoundOk);
    ASSERT_EQ(backend.command("play lying.mp3 repeat from 0"), kSoundOk);
    backend.runLoadSlices(2);  // the first second, then past the claimed end
    EXPECT_TRUE(playing("lying.mp3"));
    backend.holdLoads(false);
    backend.waitForLoads();
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(playing("lying.mp3"));
}

// The volume keys reach what the mixer plays: SDL's disk driver writes the
// mixed stream to a file, and the tone's peak there follows each step.
TEST(VolumeKeys, StepWhatTheMixerPlays) {
    const fs::path dir = fs::temp_directory_path() / ("veltrane_volume_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path stream = dir / "stream.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", stream.c_str(), 1);
    writeTone(dir / "tone.wav", 0.5);
    MixerSoundBackend backend;
    ASSERT_TRUE(backend.open());
    setSoundBackend(&backend);
    setSoundVolumes({});
    backend.command("open " + (dir / "tone.wav").string() + " type waveaudio alias tone.wav");
    backend.command("play tone.wav repeat from 0");
    backend.waitForLoads();
    // The loudest sample of the latest tenth of a second, awaited until it is
    // the one expected or five seconds pass (a loaded machine mixes late).
    const auto peakOf = [&](double expected) {
        double peak = 0.0;
        for (const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
             std::chrono::steady_clock::now() < deadline;) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            std::ifstream in(stream, std::ios::binary);
            in.seekg(-17640, std::ios::end);
            int loudest = 0;
            for (std::int16_t sample = 0; in.read(reinterpret_cast<char*>(&sample), 2);) loudest = std::max(loudest, std::abs(int{sample}));
            peak = loudest;
            if (std::abs(peak - expected) < 80.0) break;
        }
        return peak;
    };
    constexpr double kFull = 8000.0;  // the tone's own peak
    ASSERT_EQ(peakOf(kFull), kFull);
    EXPECT_TRUE(handleVolumeKey('-'));
    EXPECT_EQ(soundVolumes().master, 90);
    EXPECT_NEAR(peakOf(0.9 * kFull) / kFull, 0.9, 0.01);
    handleVolumeKey('-');
    EXPECT_NEAR(peakOf(0.8 * kFull) / kFull, 0.8, 0.01);
    handleVolumeKey('=');
    handleVolumeKey('+');
    EXPECT_EQ(peakOf(kFull), kFull) << "back up by two steps";
    // The effects level scales the WAV aliases; the music's leaves them.
    setSoundVolumes({.master = 100, .music = 20, .effects = 50});
    EXPECT_NEAR(peakOf(0.5 * kFull) / kFull, 0.5, 0.01);
    EXPECT_FALSE(handleVolumeKey('x'));
    setSoundVolumes({});
    setSoundBackend(nullptr);
    backend.close();
    unsetenv("SDL_DISKAUDIOFILE");
    fs::remove_all(dir);
}
