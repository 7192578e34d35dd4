// The real SDL2_mixer back end, run on SDL's "dummy" audio driver: it mixes
// in real time into nowhere, so channel states and the mixed stream can be
// observed without a sound card.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/sound.h"
#include "platform/mixer_sound_backend.h"
#include "platform/mixer_sound_setup.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name(name) {
        if (const char* old = std::getenv(name)) {
            saved = old;
        }
        setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (saved) {
            setenv(name, saved->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

private:
    const char* name;
    std::optional<std::string> saved;
};

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}

// A 16-bit stereo PCM WAV file at the mixer's own rate, so it loads unconverted.
void writeWav(const fs::path& path, const std::vector<std::int16_t>& interleaved) {
    std::ofstream out(path, std::ios::binary);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(interleaved.size() * 2);
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);            // fmt chunk size
    putLe(out, 1, 2);             // PCM
    putLe(out, 2, 2);             // channels
    putLe(out, kRate, 4);
    putLe(out, kRate * 4, 4);     // bytes per second
    putLe(out, 4, 2);             // bytes per frame
    putLe(out, 16, 2);            // bits per sample
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (std::int16_t sample : interleaved) {
        putLe(out, static_cast<std::uint16_t>(sample), 2);
    }
}

void writeTone(const fs::path& path, int frames) {
    std::vector<std::int16_t> samples;
    for (int f = 0; f < frames; ++f) {
        const std::int16_t value = (f / 50) % 2 ? 8000 : -8000;
        samples.push_back(value);
        samples.push_back(value);
    }
    writeWav(path, samples);
}

// Each frame carries its own index (low 15 bits left, the rest right), so the
// mixed stream tells how far into the file the channel is.
void writeRamp(const fs::path& path, int frames) {
    std::vector<std::int16_t> samples;
    for (int f = 0; f < frames; ++f) {
        samples.push_back(static_cast<std::int16_t>(f & 0x7fff));
        samples.push_back(static_cast<std::int16_t>(f >> 15));
    }
    writeWav(path, samples);
}

// Reads the file position at the start of every mixing pass, while a ramp is
// the only thing playing.
struct PositionProbe {
    std::atomic<int> passes{0};
    std::atomic<int> lastPosition{-1};
    std::atomic<int> minPosition{INT_MAX};

    static void SDLCALL onMix(void* self, Uint8* stream, int len) {
        auto* probe = static_cast<PositionProbe*>(self);
        if (len < 4) {
            return;
        }
        std::int16_t frame[2];
        std::memcpy(frame, stream, sizeof frame);
        const int position = frame[0] | (frame[1] << 15);
        probe->lastPosition = position;
        int seen = probe->minPosition;
        while (position < seen && !probe->minPosition.compare_exchange_weak(seen, position)) {
        }
        ++probe->passes;
    }
};

bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Decodes with Mix_LoadWAV, but while held keeps the loader waiting before
// each file, so a test can act while loads are still pending.
class LoadGate {
public:
    MixerSoundBackend::ChunkLoader loader() {
        return [this](const std::string& file) {
            std::unique_lock lock(mutex);
            ++started;
            changed.notify_all();
            changed.wait(lock, [this] { return !held; });
            lock.unlock();
            return Mix_LoadWAV(file.c_str());
        };
    }
    void hold() {
        std::lock_guard lock(mutex);
        held = true;
    }
    void release() {
        std::lock_guard lock(mutex);
        held = false;
        changed.notify_all();
    }
    // Waits until the loader has begun `count` files (it may be held in the last).
    bool waitForStarted(int count) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(5), [&] { return started >= count; });
    }
    int startedCount() {
        std::lock_guard lock(mutex);
        return started;
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool held = false;
    int started = 0;
};

std::string openCommand(const std::string& file, const std::string& alias) {
    return "open " + file + " type waveaudio alias " + alias;
}

class MixerSoundBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              ("veltrane_sound_" + std::to_string(getpid()) + "_" + info->name());
        fs::create_directories(dir);
        ASSERT_TRUE(backend.open());
    }

    void TearDown() override {
        // Undone here rather than at the end of a test, so a test that stops
        // early cannot leave a dead back end installed, the loader held or the
        // directory changed.
        gate.release();
        setSoundBackend(nullptr);
        if (oldCwd) {
            fs::current_path(*oldCwd);
        }
        Mix_SetPostMix(nullptr, nullptr);
        backend.close();
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    // Makes this test's folder the working directory, as the game's data folder is.
    void enterDir() {
        oldCwd = fs::current_path();
        fs::current_path(dir);
    }

    // Starts watching the mixed stream; the ramp must be the only sound playing.
    void watch(PositionProbe& probe) {
        int rate = 0;
        Uint16 format = 0;
        int channels = 0;
        ASSERT_TRUE(Mix_QuerySpec(&rate, &format, &channels));
        ASSERT_EQ(rate, kRate);
        ASSERT_EQ(format, AUDIO_S16SYS);
        ASSERT_EQ(channels, 2);
        Mix_SetPostMix(&PositionProbe::onMix, &probe);
    }

    ScopedEnv driver{"SDL_AUDIODRIVER", "dummy"};
    fs::path dir;
    std::optional<fs::path> oldCwd;
    LoadGate gate;  // outlives the back end, whose loader thread calls it
    MixerSoundBackend backend{gate.loader()};
};

}  // namespace

TEST_F(MixerSoundBackendTest, FromZeroRestartsAnAliasThatIsPlaying) {
    writeRamp(dir / "ramp.wav", kRate * 3);
    ASSERT_EQ(backend.command(openCommand(path("ramp.wav"), "ramp")), kSoundOk);
    backend.waitForLoads();
    PositionProbe probe;
    watch(probe);

    ASSERT_EQ(backend.command("play ramp from 0"), kSoundOk);
    ASSERT_TRUE(waitUntil([&] { return probe.lastPosition >= 4096; }));
    ASSERT_TRUE(Mix_Playing(backend.aliasChannel("ramp")));

    // Without "from 0" a playing sound carries on where it is.
    probe.minPosition = INT_MAX;
    EXPECT_EQ(backend.command("play ramp"), kSoundOk);
    const int passes = probe.passes;
    ASSERT_TRUE(waitUntil([&] { return probe.passes > passes + 1; }));
    EXPECT_GE(probe.minPosition, 4096);

    probe.minPosition = INT_MAX;
    EXPECT_EQ(backend.command("play ramp from 0"), kSoundOk);
    const int restartPasses = probe.passes;
    ASSERT_TRUE(waitUntil([&] { return probe.passes > restartPasses; }));
    EXPECT_EQ(probe.minPosition, 0);
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("ramp")));
}

TEST_F(MixerSoundBackendTest, RepeatLoopsUntilStoppedWhileAOneShotEnds) {
    const int frames = kRate / 20;  // 50 ms
    writeTone(dir / "loop.wav", frames);
    writeTone(dir / "once.wav", frames);
    ASSERT_EQ(backend.command(openCommand(path("loop.wav"), "loop")), kSoundOk);
    ASSERT_EQ(backend.command(openCommand(path("once.wav"), "once")), kSoundOk);
    backend.waitForLoads();
    const int loop = backend.aliasChannel("loop");
    const int once = backend.aliasChannel("once");

    ASSERT_EQ(backend.command("play loop from 0 repeat"), kSoundOk);
    ASSERT_EQ(backend.command("play once from 0"), kSoundOk);
    ASSERT_TRUE(waitUntil([&] { return !Mix_Playing(once); }));
    // Give the loop time to go round several more times.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(Mix_Playing(loop));
    EXPECT_FALSE(Mix_Playing(once));

    EXPECT_EQ(backend.command("stop loop"), kSoundOk);
    EXPECT_FALSE(Mix_Playing(loop));
}

TEST_F(MixerSoundBackendTest, LaserShotCutsThePreviousOneOnItsOwnChannel) {
    writeRamp(dir / "laser.wav", kRate * 3);
    PositionProbe probe;
    watch(probe);

    backend.playLaser(path("laser.wav"));
    ASSERT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel));
    ASSERT_TRUE(waitUntil([&] { return probe.lastPosition >= 4096; }));

    // The file is read once: the next shots play from memory.
    fs::remove(dir / "laser.wav");
    probe.minPosition = INT_MAX;
    backend.playLaser(path("laser.wav"));
    const int passes = probe.passes;
    ASSERT_TRUE(waitUntil([&] { return probe.passes > passes; }));
    EXPECT_EQ(probe.minPosition, 0);
    EXPECT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel));
    EXPECT_EQ(Mix_Playing(-1), 1);  // one shot at a time, never stacked

    backend.playLaser(path("laser.wav"));
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(MixerSoundBackendTest, MissingOrBrokenFilesLeaveTheirAliasSilent) {
    EXPECT_EQ(backend.command(openCommand(path("missing.wav"), "missing")), kSoundFileUnusable);
    EXPECT_EQ(backend.aliasChannel("missing"), -1);
    EXPECT_EQ(backend.command("play missing from 0"), kSoundUnknownAlias);
    EXPECT_EQ(backend.command("stop missing"), kSoundUnknownAlias);

    // A file that reads but does not decode keeps its alias and channel, silent;
    // a play waiting for it is dropped.
    {
        std::ofstream junk(dir / "junk.mp3", std::ios::binary);
        junk << "this is not audio at all, just text pretending to be a file";
    }
    gate.hold();
    EXPECT_EQ(backend.command("open " + path("junk.mp3") + " type mpegvideo alias junk"), kSoundOk);
    EXPECT_EQ(backend.command("play junk repeat from 0"), kSoundOk);
    gate.release();
    backend.waitForLoads();
    EXPECT_EQ(backend.aliasChannel("junk"), 1);
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(backend.command("play junk repeat from 0"), kSoundFileUnusable);
    EXPECT_EQ(backend.command("stop junk"), kSoundFileUnusable);

    backend.playLaser(path("nolaser.wav"));
    backend.playLaser(path("nolaser.wav"));
    EXPECT_EQ(Mix_Playing(-1), 0);

    // The other sounds are unaffected, and a taken alias cannot be reopened.
    writeTone(dir / "ok.wav", kRate / 10);
    ASSERT_EQ(backend.command(openCommand(path("ok.wav"), "ok")), kSoundOk);
    EXPECT_EQ(backend.command(openCommand(path("ok.wav"), "ok")), kSoundAliasInUse);
    backend.waitForLoads();
    EXPECT_EQ(backend.command("play ok from 0"), kSoundOk);
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("ok")));
    EXPECT_EQ(backend.command("play ok from 1000"), kSoundBadCommand);
    EXPECT_EQ(backend.command(""), kSoundBadCommand);
}

TEST_F(MixerSoundBackendTest, GameCuesDriveTheMixer) {
    // The game's own file names in its working directory; any decodable
    // content will do, so the ".mp3" files hold WAV data here.
    const char* const files[] = {"background0.mp3", "gameover.mp3",     "playerExplode.mp3",
                                 "title.mp3",       "gamebeat.mp3",     "smallExplode.wav",
                                 "bigExplode.wav",  "siren.wav",        "laser.wav"};
    for (const char* name : files) {
        writeTone(dir / name, kRate);
    }
    enterDir();
    setSoundBackend(&backend);

    openSounds();
    // Eight aliases and the laser, each on a channel of its own, numbered in
    // the order the files were opened, before any of them has loaded.
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(backend.aliasChannel(files[i]), MixerSoundBackend::kLaserChannel + 1 + i) << files[i];
    }

    // The title music is cued at once, as the game does at start-up.
    sendSoundCommand("play title.mp3 repeat from 0");
    backend.waitForLoads();
    EXPECT_EQ(Mix_AllocateChannels(-1), 9);
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("title.mp3")));
    EXPECT_EQ(Mix_Playing(-1), 1);
    stopTitleMusic();
    EXPECT_FALSE(Mix_Playing(backend.aliasChannel("title.mp3")));

    sendSoundCommand("play background0.mp3 from 0 repeat");
    sendSoundCommand("play siren.wav from 0");
    playLaserSound();
    playSmallExplode();
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("background0.mp3")));
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("siren.wav")));
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("smallExplode.wav")));
    EXPECT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel));

    // Stopping one alias leaves the others playing.
    stopBattleMusic();
    playGameOverMusic();
    EXPECT_FALSE(Mix_Playing(backend.aliasChannel("background0.mp3")));
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("gameover.mp3")));
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("siren.wav")));
    EXPECT_TRUE(Mix_Playing(MixerSoundBackend::kLaserChannel));

    // A stopped alias stays open and plays again.
    sendSoundCommand("play background0.mp3 from 0 repeat");
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("background0.mp3")));
}

TEST_F(MixerSoundBackendTest, PlayWhileLoadingStartsOnceLoadedWithItsRepeatFlag) {
    const int frames = kRate / 20;  // 50 ms
    writeTone(dir / "loop.wav", frames);
    writeTone(dir / "once.wav", frames);
    gate.hold();
    ASSERT_EQ(backend.command(openCommand(path("loop.wav"), "loop")), kSoundOk);
    ASSERT_EQ(backend.command(openCommand(path("once.wav"), "once")), kSoundOk);
    const int loop = backend.aliasChannel("loop");
    const int once = backend.aliasChannel("once");

    EXPECT_EQ(backend.command("play loop repeat from 0"), kSoundOk);
    EXPECT_EQ(backend.command("play once"), kSoundOk);
    ASSERT_TRUE(gate.waitForStarted(1));
    EXPECT_EQ(Mix_Playing(-1), 0);

    gate.release();
    backend.waitForLoads();
    EXPECT_TRUE(Mix_Playing(loop));
    ASSERT_TRUE(waitUntil([&] { return !Mix_Playing(once); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_TRUE(Mix_Playing(loop));

    EXPECT_EQ(backend.command("stop loop"), kSoundOk);
    EXPECT_FALSE(Mix_Playing(loop));
}

TEST_F(MixerSoundBackendTest, StopWhileLoadingCancelsThePlayWaitingForIt) {
    writeTone(dir / "a.wav", kRate);
    writeTone(dir / "b.wav", kRate);
    gate.hold();
    ASSERT_EQ(backend.command(openCommand(path("a.wav"), "a")), kSoundOk);
    ASSERT_EQ(backend.command(openCommand(path("b.wav"), "b")), kSoundOk);
    EXPECT_EQ(backend.command("play a repeat from 0"), kSoundOk);
    EXPECT_EQ(backend.command("stop a"), kSoundOk);
    // A play after the stop is waited for again.
    EXPECT_EQ(backend.command("play b from 0"), kSoundOk);
    EXPECT_EQ(backend.command("stop b"), kSoundOk);
    EXPECT_EQ(backend.command("play b repeat from 0"), kSoundOk);

    gate.release();
    backend.waitForLoads();
    EXPECT_FALSE(Mix_Playing(backend.aliasChannel("a")));
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("b")));
    EXPECT_EQ(backend.command("play a from 0"), kSoundOk);
    EXPECT_TRUE(Mix_Playing(backend.aliasChannel("a")));
}

TEST_F(MixerSoundBackendTest, CloseWithLoadsQueuedDropsThemAndReopensCleanly) {
    const char* const names[] = {"one.wav", "two.wav", "three.wav", "four.wav"};
    for (const char* name : names) {
        writeTone(dir / name, kRate);
    }
    gate.hold();
    for (const char* name : names) {
        ASSERT_EQ(backend.command(openCommand(path(name), name)), kSoundOk);
    }
    EXPECT_EQ(backend.command("play one.wav repeat from 0"), kSoundOk);
    EXPECT_EQ(backend.command("play four.wav repeat from 0"), kSoundOk);
    ASSERT_TRUE(gate.waitForStarted(1));

    // The file being decoded finishes; close waits for it and for nothing more.
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        gate.release();
    });
    backend.close();
    releaser.join();
    EXPECT_EQ(gate.startedCount(), 1);
    EXPECT_FALSE(backend.audible());
    EXPECT_EQ(backend.aliasChannel("one.wav"), -1);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    backend.waitForLoads();  // nothing left to wait for

    // Reopened, it loads and plays again.
    ASSERT_TRUE(backend.open());
    ASSERT_EQ(backend.command(openCommand(path("two.wav"), "two")), kSoundOk);
    EXPECT_EQ(backend.command("play two repeat from 0"), kSoundOk);
    backend.waitForLoads();
    EXPECT_EQ(backend.aliasChannel("two"), 1);
    EXPECT_TRUE(Mix_Playing(1));

    // Closing straight after opening, without holding the loader, is clean too.
    for (const char* name : names) {
        ASSERT_EQ(backend.command(openCommand(path(name), name)), kSoundOk);
    }
    backend.close();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

TEST(MixerSoundWithoutDevice, StaysSilentWithOneLineAndNoFailure) {
    ScopedEnv driver("SDL_AUDIODRIVER", "no_such_audio_driver");
    SoundBackend& silent = soundBackend();

    ::testing::internal::CaptureStderr();
    {
        MixerSoundBackend backend;
        EXPECT_FALSE(backend.open());
        EXPECT_FALSE(backend.audible());
        EXPECT_EQ(backend.command("open title.mp3 type mpegvideo alias title.mp3"), kSoundNoDevice);
        EXPECT_EQ(backend.command("play title.mp3 repeat from 0"), kSoundNoDevice);
        EXPECT_EQ(backend.command("garbage"), kSoundNoDevice);
        backend.playLaser("laser.wav");
        backend.close();
    }
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_LE(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;

    // The installed back end takes the game's cues and drops them.
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(installMixerSound());
    (void)::testing::internal::GetCapturedStderr();
    EXPECT_NE(&soundBackend(), &silent);
    EXPECT_EQ(soundBackend().command("stop title.mp3"), kSoundNoDevice);
    openSounds();
    playBigExplode();
    playLaserSound();
    shutdownMixerSound();
    EXPECT_EQ(&soundBackend(), &silent);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
}

TEST(MixerSoundSetup, InstallsAnAudibleMixerAndShutsItDown) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    SoundBackend& silent = soundBackend();

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
