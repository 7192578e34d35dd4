// The real SDL2_mixer back end on SDL's "dummy" audio driver, which mixes in
// real time into nowhere, so channel states and the mixed stream can be observed.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "app/sound.h"
#include "platform/mixer_sound_backend.h"
#include "platform/mixer_sound_setup.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;

// Sets an environment variable for one scope and puts the old value back.
struct ScopedEnv {
    ScopedEnv(const char* name, const char* value) : name(name) {
        if (const char* old = std::getenv(name)) saved = old;
        setenv(name, value, 1);
    }
    ~ScopedEnv() { saved ? setenv(name, saved->c_str(), 1) : unsetenv(name); }
    const char* name;
    std::optional<std::string> saved;
};

// A 16-bit stereo PCM WAV file at the mixer's own rate, so it loads unconverted.
void writeWav(const fs::path& path, int frames, const std::function<std::array<std::int16_t, 2>(int)>& frameAt) {
    std::ofstream out(path, std::ios::binary);
    auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    out << "RIFF";
    put(36 + frames * 4, 4);
    out << "WAVEfmt ";
    // fmt chunk: its size, PCM, stereo, rate, bytes a second, bytes a frame, bits a sample.
    for (auto [value, bytes] : {std::pair{16, 4}, {1, 2}, {2, 2}, {kRate, 4}, {kRate * 4, 4}, {4, 2}, {16, 2}})
        put(value, bytes);
    out << "data";
    put(frames * 4, 4);
    for (int f = 0; f < frames; ++f)
        for (std::int16_t sample : frameAt(f)) put(static_cast<std::uint16_t>(sample), 2);
}

void writeTone(const fs::path& path, int frames) {
    writeWav(path, frames, [](int f) {
        const std::int16_t value = (f / 50) % 2 ? 8000 : -8000;
        return std::array{value, value};
    });
}

bool waitUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Plays a ramp whose every frame carries its own index (low 15 bits left, the
// rest right) and reads the file position at the start of every mixing pass,
// while the ramp is the only thing playing.
struct PositionProbe {
    explicit PositionProbe(const fs::path& ramp) {
        writeWav(ramp, kRate * 3, [](int f) { return std::array{std::int16_t(f & 0x7fff), std::int16_t(f >> 15)}; });
        Mix_SetPostMix(&PositionProbe::onMix, this);
    }
    static void SDLCALL onMix(void* self, Uint8* stream, int len) {
        auto* probe = static_cast<PositionProbe*>(self);
        if (len < 4) return;
        std::int16_t frame[2];
        std::memcpy(frame, stream, sizeof frame);
        const int position = frame[0] | (frame[1] << 15);
        probe->lastPosition = position;
        int seen = probe->minPosition;
        while (position < seen && !probe->minPosition.compare_exchange_weak(seen, position)) {
        }
        ++probe->passes;
    }
    // Forgets the positions seen so far, acts, then waits for `more` mixing passes.
    bool after(const std::function<void()>& act, int more) {
        minPosition = INT_MAX;
        act();
        const int start = passes;
        return waitUntil([&] { return passes >= start + more; });
    }
    std::atomic<int> passes{0}, lastPosition{-1}, minPosition{INT_MAX};
};

class MixerSoundBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("veltrane_sound_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        ASSERT_TRUE(backend.open());
        int rate = 0, channels = 0;
        Uint16 format = 0;
        ASSERT_TRUE(Mix_QuerySpec(&rate, &format, &channels));
        ASSERT_TRUE(rate == kRate && format == AUDIO_S16SYS && channels == 2);
    }
    // Undone here, so a test that stops early cannot leave the loader held.
    void TearDown() override {
        held = false;
        Mix_SetPostMix(nullptr, nullptr);
        backend.close();
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    std::string path(const char* name) const { return (dir / name).string(); }
    int open(const char* name) { return backend.command("open " + path(name) + " type waveaudio alias " + name); }
    int send(const std::string& text) { return backend.command(text); }
    bool playing(const char* alias) const { return Mix_Playing(backend.aliasChannel(alias)); }

    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    fs::path dir;
    // The loader decodes with Mix_LoadWAV, but while `held` waits before each
    // file, so a test can act while loads are still pending.
    std::atomic<bool> held{false};
    std::atomic<int> started{0};
    MixerSoundBackend backend{[this](const std::string& file) {
        ++started;
        while (held) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return Mix_LoadWAV(file.c_str());
    }};
};

}  // namespace

TEST_F(MixerSoundBackendTest, FromZeroRestartsAnAliasThatIsPlaying) {
    PositionProbe probe(dir / "ramp");
    ASSERT_EQ(open("ramp"), kSoundOk);
    backend.waitForLoads();
    ASSERT_EQ(send("play ramp from 0"), kSoundOk);
    ASSERT_TRUE(waitUntil([&] { return probe.lastPosition >= 4096; }));
    ASSERT_TRUE(playing("ramp"));

    // Without "from 0" a playing sound carries on where it is.
    ASSERT_TRUE(probe.after([&] { EXPECT_EQ(send("play ramp"), kSoundOk); }, 2));
    EXPECT_GE(probe.minPosition, 4096);

    ASSERT_TRUE(probe.after([&] { EXPECT_EQ(send("play ramp from 0"), kSoundOk); }, 1));
    EXPECT_EQ(probe.minPosition, 0);
    EXPECT_TRUE(playing("ramp"));
}

// Each alias has a channel of its own, numbered in opening order. A play that
// arrives while its file loads starts once it is loaded, unless a stop comes
// first; a repeat loops until its own stop, while a one-shot ends by itself.
TEST_F(MixerSoundBackendTest, AliasesPlayLoopAndStopIndependentlyBeforeAndAfterLoading) {
    const char* const names[] = {"early", "late", "once", "cancelled"};
    for (const char* name : names) writeTone(dir / name, std::string(name) == "cancelled" ? kRate : kRate / 20);
    held = true;
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(open(names[i]), kSoundOk);
        EXPECT_EQ(backend.aliasChannel(names[i]), MixerSoundBackend::kLaserChannel + 1 + i);
    }
    EXPECT_EQ(open("early"), kSoundAliasInUse);
    EXPECT_EQ(send(""), kSoundBadCommand);
    EXPECT_EQ(send("play early from 0"), kSoundOk);
    EXPECT_EQ(send("stop early"), kSoundOk);
    EXPECT_EQ(send("play early repeat from 0"), kSoundOk);  // waited for again after the stop
    EXPECT_EQ(send("play once"), kSoundOk);
    EXPECT_EQ(send("play cancelled repeat from 0"), kSoundOk);
    EXPECT_EQ(send("stop cancelled"), kSoundOk);
    ASSERT_TRUE(waitUntil([&] { return started >= 1; }));
    EXPECT_EQ(Mix_Playing(-1), 0);

    held = false;
    backend.waitForLoads();
    EXPECT_EQ(Mix_AllocateChannels(-1), 5);
    EXPECT_TRUE(playing("early"));
    EXPECT_FALSE(playing("cancelled"));
    ASSERT_EQ(send("play late from 0 repeat"), kSoundOk);
    ASSERT_TRUE(waitUntil([&] { return !playing("once"); }));
    ASSERT_EQ(send("play once from 0"), kSoundOk);
    ASSERT_TRUE(waitUntil([&] { return !playing("once"); }));
    backend.playLaser(path("cancelled"));
    EXPECT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the loops go round several times
    EXPECT_TRUE(playing("early"));
    EXPECT_TRUE(playing("late"));

    EXPECT_EQ(send("stop early"), kSoundOk);
    EXPECT_FALSE(playing("early"));
    EXPECT_TRUE(playing("late"));
    EXPECT_EQ(send("stop late"), kSoundOk);
    EXPECT_FALSE(playing("late"));
    EXPECT_EQ(send("play early from 0"), kSoundOk);  // a stopped alias plays again
    EXPECT_TRUE(playing("early"));
    EXPECT_EQ(send("play cancelled from 0"), kSoundOk);
    EXPECT_TRUE(playing("cancelled"));
}

TEST_F(MixerSoundBackendTest, LaserShotCutsThePreviousOneOnItsOwnChannel) {
    PositionProbe probe(dir / "laser.wav");
    backend.playLaser(path("laser.wav"));
    ASSERT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel));
    ASSERT_TRUE(waitUntil([&] { return probe.lastPosition >= 4096; }));

    // The file is read once: the next shots play from memory.
    fs::remove(dir / "laser.wav");
    ASSERT_TRUE(probe.after([&] { backend.playLaser(path("laser.wav")); }, 1));
    EXPECT_EQ(probe.minPosition, 0);
    EXPECT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel));
    EXPECT_EQ(Mix_Playing(-1), 1);  // one shot at a time, never stacked
    backend.playLaser(path("laser.wav"));
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(MixerSoundBackendTest, MissingOrBrokenFilesLeaveTheirAliasSilent) {
    EXPECT_EQ(open("missing"), kSoundFileUnusable);
    EXPECT_EQ(backend.aliasChannel("missing"), -1);
    EXPECT_EQ(send("play missing from 0"), kSoundUnknownAlias);
    EXPECT_EQ(send("stop missing"), kSoundUnknownAlias);

    // A file that reads but does not decode keeps its alias and channel, silent;
    // a play waiting for it is dropped.
    std::ofstream(dir / "junk.mp3") << "this is not audio at all, just text pretending to be a file";
    held = true;
    EXPECT_EQ(send("open " + path("junk.mp3") + " type mpegvideo alias junk"), kSoundOk);
    EXPECT_EQ(send("play junk repeat from 0"), kSoundOk);
    held = false;
    backend.waitForLoads();
    EXPECT_EQ(backend.aliasChannel("junk"), 1);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(send("play junk repeat from 0"), kSoundFileUnusable);
    EXPECT_EQ(send("stop junk"), kSoundFileUnusable);
    backend.playLaser(path("nolaser"));
    backend.playLaser(path("nolaser"));
    EXPECT_EQ(Mix_Playing(-1), 0);

}

TEST_F(MixerSoundBackendTest, CloseWithLoadsQueuedDropsThemAndReopensCleanly) {
    const char* const names[] = {"one", "two", "three", "four"};
    for (const char* name : names) writeTone(dir / name, kRate);
    held = true;
    for (const char* name : names) ASSERT_EQ(open(name), kSoundOk);
    EXPECT_EQ(send("play one repeat from 0"), kSoundOk);
    EXPECT_EQ(send("play four repeat from 0"), kSoundOk);
    ASSERT_TRUE(waitUntil([&] { return started >= 1; }));

    // The file being decoded finishes; close waits for it and for nothing more.
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        held = false;
    });
    backend.close();
    releaser.join();
    EXPECT_EQ(started, 1);
    EXPECT_FALSE(backend.audible());
    EXPECT_EQ(backend.aliasChannel("one"), -1);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    backend.waitForLoads();  // nothing left to wait for

    ASSERT_TRUE(backend.open());
    ASSERT_EQ(send("open " + path("two") + " type waveaudio alias again"), kSoundOk);
    EXPECT_EQ(send("play again repeat from 0"), kSoundOk);
    backend.waitForLoads();
    EXPECT_EQ(backend.aliasChannel("again"), 1);
    EXPECT_TRUE(Mix_Playing(1));

    // Closing straight after opening, without holding the loader, is clean too.
    for (const char* name : names) ASSERT_EQ(open(name), kSoundOk);
    backend.close();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

TEST(MixerSoundSetup, SilentWithOneLineWithoutADeviceAudibleWithOne) {
    SoundBackend& silent = soundBackend();
    {
        // The installed back end prints one line, then takes the game's cues and drops them.
        ScopedEnv driver("SDL_AUDIODRIVER", "no_such_audio_driver");
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(installMixerSound());
        EXPECT_NE(&soundBackend(), &silent);
        EXPECT_EQ(soundBackend().command("play title.mp3 repeat from 0"), kSoundNoDevice);
        EXPECT_EQ(soundBackend().command("garbage"), kSoundNoDevice);
        openSounds();
        playBigExplode();
        playLaserSound();
        shutdownMixerSound();
        const std::string printed = ::testing::internal::GetCapturedStderr();
        EXPECT_LE(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
        EXPECT_EQ(&soundBackend(), &silent);
        EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    }
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    ASSERT_TRUE(installMixerSound());
    // The mixer knows its aliases, unlike the silent default which accepts anything.
    EXPECT_EQ(soundBackend().command("stop title.mp3"), kSoundUnknownAlias);
    EXPECT_TRUE(SDL_WasInit(SDL_INIT_AUDIO));
    shutdownMixerSound();
    shutdownMixerSound();
    EXPECT_EQ(&soundBackend(), &silent);
    EXPECT_EQ(soundBackend().command("stop title.mp3"), kSoundOk);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}
