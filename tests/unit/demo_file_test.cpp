// Recordings made through the game's own hooks replay exactly, and each kind
// of damaged file is refused with its own exit status and reason.
#include <gmock/gmock.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/demo_verify.h"
#include "world/demo_format.h"
#include "world/demo_recorder.h"
#include "world/demo_recording.h"
#include "world/game_tick.h"
#include "world_fixture.h"

namespace {
using ::testing::ContainsRegex;
using ::testing::HasSubstr;

constexpr std::uint64_t kTicks = 2500;
constexpr std::uint64_t kWinTick = 1200;  // the win key; 'r' restarts on the tick after

// The bytes the recorder would write for `demo`, tick by tick as it plays.
std::vector<std::uint8_t> writeDemo(const Demo& demo) {
    ByteWriter out;
    writeDemoHeader(out, demo.header);
    std::uint64_t idle = 0;
    const auto flushIdle = [&] {
        if (idle > 0) writeDemoIdle(out, idle);
        idle = 0;
    };
    auto busy = demo.busyTicks.begin();
    auto check = demo.checkpoints.begin();
    for (std::uint64_t tick = 1; tick <= demo.tickCount; ++tick) {
        if (busy != demo.busyTicks.end() && busy->tick == tick) {
            flushIdle();
            writeDemoTick(out, DemoTick, (busy++)->commands);
        } else {
            idle += 1;
        }
        if (check != demo.checkpoints.end() && check->tick == tick) {
            flushIdle();
            writeDemoCheck(out, DemoCheck, tick, (check++)->hash);
        }
    }
    flushIdle();
    if (!demo.tail.empty()) writeDemoTick(out, DemoTail, demo.tail);
    writeDemoCheck(out, DemoEnd, demo.tickCount, demo.finalHash);
    return out.bytes;
}

Command command(CommandKind kind, int code, InputSource source = InputSource::Keyboard) {
    Command c;
    c.kind = kind, c.code = code, c.source = source;
    return c;
}

// All a demo holds, as text that names what differs (floats to the bit).
std::string describe(const Demo& demo) {
    std::ostringstream s;
    const DemoHeader& h = demo.header;
    s << std::hexfloat << h.gameVersion << ' ' << h.rulesFingerprint << ' ' << int{h.random.front};
    for (std::uint32_t word : h.random.words) s << ' ' << word;
    for (int b : h.snapshot) s << ' ' << b;
    const auto commands = [&s](const std::vector<Command>& list) {
        for (const Command& c : list) {
            s << ' ' << static_cast<int>(c.kind) << '/' << static_cast<int>(c.source) << ':';
            const Vec3 &p = c.ray.start, &d = c.ray.direction;
            if (c.kind == CommandKind::FireAlong) s << p.x << ',' << p.y << ',' << p.z << ',' << d.x << ',' << d.y << ',' << d.z;
            if (c.kind != CommandKind::FireAlong) s << c.code;
        }
    };
    for (const DemoBusyTick& busy : demo.busyTicks) s << "\ntick " << busy.tick, commands(busy.commands);
    for (const DemoCheckpoint& check : demo.checkpoints) s << "\ncheck " << check.tick << ' ' << check.hash;
    s << "\ntail", commands(demo.tail);
    s << "\nend " << demo.tickCount << ' ' << demo.ended << ' ' << demo.finalHash;
    return s.str();
}

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class DemoFile : public OverlayWorldTest {
protected:
    void TearDown() override {
        for (const std::string& file : files) std::remove(file.c_str());
        OverlayWorldTest::TearDown();
    }
    std::string tempPath(const std::string& name) {
        return files.emplace_back(testing::TempDir() + "veltrane_demo_" + std::to_string(getpid()) + "_" + name);
    }
    // A seeded game from the title: a player at random from its own
    // generator (never the game's), with a win and a restart in the middle.
    void recordGame(const std::string& session, const std::string& lastGame) {
        recordGamesTo(session);
        recordLastGameTo(lastGame);
        unsigned state = 7;
        const auto next = [&state] { return (state = state * 1664525u + 1013904223u) >> 16; };
        queueKeyDown(' ');
        for (std::uint64_t tick = 1; tick <= kTicks; ++tick) {
            if (tick == kWinTick || tick == kWinTick + 1) queueKeyDown(tick == kWinTick ? '\\' : 'r');
            const unsigned r = next() % 100;
            const ScopedInputSource from(next() % 4 == 0 ? InputSource::Gamepad : InputSource::Keyboard);
            const bool down = next() % 2 == 0;
            constexpr int kArrows[] = {KeyLeft, KeyUp, KeyRight, KeyDown};
            if (r < 35) {
                (down ? queueSpecialDown : queueSpecialUp)(kArrows[next() % 4]);
            } else if (r < 60) {
                (down ? queueKeyDown : queueKeyUp)(' ');
            } else if (r < 63) {
                queueKeyDown("23cfi"[next() % 5]);
            } else if (r < 64 || (r < 80 && world->paused)) {
                queueKeyDown('p');  // short pauses, so the game mostly runs
            } else if (r < 68) {
                const Vec3 from = world->player->position;
                const TurretBlock& block = *world->waves->blocks[next() % world->waves->blocks.size()];
                queueFireAlong({from, block.turrets[next() % TurretBlock::kTurretCount].position - from});
            }
            runTick();
        }
        finishRecordings();
        recordGamesTo("");  // a replay must not record itself
        recordLastGameTo("");
    }
    // verifyDemo's status and all it printed.
    std::pair<int, std::string> verify(const std::string& file) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = verifyDemo(file);
        std::string printed = testing::internal::GetCapturedStdout();
        return {status, printed + testing::internal::GetCapturedStderr()};
    }
    std::vector<std::string> files;
};

TEST_F(DemoFile, RecordedGameAndLastGameReplayExactly) {
    const std::string session = tempPath("session"), lastGame = tempPath("last");
    recordGame(session, lastGame);
    const DemoRead read = readDemoFile(session);
    ASSERT_EQ(read.status, DemoReadStatus::Ok) << read.problem;
    EXPECT_EQ(read.demo.tickCount, kTicks);
    EXPECT_EQ(read.demo.checkpoints.size(), kTicks / kDemoCheckpointTicks);
    // The reader keeps all the recorder wrote: written back whole and read again, nothing differs.
    const std::vector<std::uint8_t> again = writeDemo(read.demo);
    EXPECT_EQ(describe(parseDemo(again.data(), again.size()).demo), describe(read.demo));
    EXPECT_EQ(readDemoFile(lastGame).demo.tickCount, kTicks - kWinTick);  // from the restart on
    for (const std::string& file : {session, lastGame}) {
        const auto [status, printed] = verify(file);
        EXPECT_EQ(status, kDemoMatches) << printed;
        EXPECT_THAT(printed, HasSubstr(": matches\n"));
    }
}

TEST_F(DemoFile, DamagedFilesAreRefusedWithTheirReason) {
    const std::string session = tempPath("session");
    recordGame(session, "");
    const std::vector<std::uint8_t> good = fileBytes(session);
    const Demo demo = readDemoFile(session).demo;
    ASSERT_EQ(demo.tickCount, kTicks);
    ByteWriter header;
    writeDemoHeader(header, demo.header);
    const auto withRecord = [&header](auto write) { ByteWriter out = header; return write(out), out.bytes; };
    const auto patched = [&good](std::size_t at, std::uint8_t value) { auto bytes = good; return bytes[at] = value, bytes; };
    Demo otherRules = demo, otherCommand = demo, otherCheck = demo;
    otherRules.header.rulesFingerprint ^= 1;
    otherRules.header.gameVersion = "0.9.1";
    // The first command after tick 1500 becomes an invert toggle, which shows in every later hash.
    for (DemoBusyTick& busy : otherCommand.busyTicks) {
        Command& first = busy.commands.front();
        if (busy.tick < 1500 || (first.kind == CommandKind::KeyDown && first.code == 'c')) continue;
        first = command(CommandKind::KeyDown, 'c');
        break;
    }
    otherCheck.checkpoints[0].hash ^= 1;
    struct Case {
        const char* name;
        std::optional<std::vector<std::uint8_t>> bytes;  // none: no file at all
        int status;
        std::string says;  // a regular expression
    };
    const Case cases[] = {
        {"magic", patched(0, 'X'), kDemoUnusable, "not a Veltrane demo"},
        {"format", patched(8, 3), kDemoUnusable, "demo format version 3, this game reads versions 1 to 2"},
        {"rules", writeDemo(otherRules), kDemoUnusable,
         std::string("by Veltrane 0.9.1 under other rules .*; this is Veltrane ") + gameVersion() + " "},
        {"idle", withRecord([](ByteWriter& out) { writeDemoIdle(out, kMaxDemoTicks + 1); }), kDemoUnusable,
         "a tick count out of range after tick 0"},
        {"count", withRecord([](ByteWriter& out) { out.u8(DemoTick); out.varint(1u << 20); out.u64(0); }), kDemoUnusable,
         "a command count out of range after tick 0"},
        {"type", withRecord([](ByteWriter& out) { out.u8(9); }), kDemoUnusable, "unknown record type 9"},
        {"check0", withRecord([](ByteWriter& out) { writeDemoCheck(out, DemoCheck, 0, 5); }), kDemoUnusable,
         "a check for tick 0 after tick 0"},  // it would hide every later checkpoint
        {"empty", std::vector<std::uint8_t>{}, kDemoUnusable, "not a Veltrane demo"},
        {"missing", std::nullopt, kDemoUnusable, "cannot be opened"},
        {"cut in a tick", withRecord([](ByteWriter& out) { out.u8(DemoTick); out.varint(2); out.u8(0x10); }),
         kDemoCutShort, "cut short after tick 0"},
        {"cut", std::vector<std::uint8_t>(good.begin(), good.end() - 1), kDemoCutShort,
         "cut short after tick 2500, without its end record; the first 2000 ticks matched"},
        {"command", writeDemo(otherCommand), kDemoDiffers, "first difference: the checkpoint after tick 2000 "},
        {"check", writeDemo(otherCheck), kDemoDiffers, "first difference: the checkpoint after tick 1000 "},
    };
    for (const Case& c : cases) {
        const std::string file = tempPath(c.name);
        if (c.bytes) std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(c.bytes->data()), c.bytes->size());
        const auto [status, printed] = verify(file);
        EXPECT_EQ(status, c.status) << c.name << ": " << printed;
        EXPECT_THAT(printed, ContainsRegex(c.says)) << c.name;
        if (c.status == kDemoUnusable) {
            EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << c.name << ": " << printed;
        }
    }
}

// Two games running at once: the second does not write over the first's last game.
TEST_F(DemoFile, OneGameAtATimeRecordsIntoAFile) {
    const std::string path = tempPath("locked");
    files.push_back(path + ".part");
    DemoRecorder first, second;
    DemoHeader header;
    testing::internal::CaptureStderr();
    EXPECT_TRUE(first.start(path, true, header));
    EXPECT_FALSE(second.start(path, true, header));
    EXPECT_THAT(testing::internal::GetCapturedStderr(), HasSubstr("another game is recording there"));
    first.finish(0);
    EXPECT_EQ(readDemoFile(path).status, DemoReadStatus::Ok);
}

TEST_F(DemoFile, EveryRecordAndCommandSurvivesTheRoundTrip) {
    Demo demo;
    demo.header = {.gameVersion = "9.8.7", .rulesFingerprint = 0x0123456789abcdefull, .random = gameRandomState(),
                   .snapshot = {1, 0, 0, 0, 0, 0, 0, 0, 255, 7}};
    demo.tickCount = 300000;  // an idle run of more than two varint bytes
    demo.ended = true;
    demo.finalHash = ~0ull;
    constexpr InputSource pad = InputSource::Gamepad;
    Command ray = command(CommandKind::FireAlong, 0, pad);
    ray.ray = {Vec3(1.0f, -2.0f, 3.5f), Vec3(0.25f, 0.0f, -1.0f)};
    demo.busyTicks = {{3, {command(CommandKind::KeyDown, 'p'), command(CommandKind::KeyUp, ' ', pad)}},
                      {4, {command(CommandKind::SpecialDown, KeyLeft), command(CommandKind::SpecialUp, KeyF1, pad), ray}},
                      {1200, {ray}}};
    demo.checkpoints = {{1000, 0xfeedfacecafebeefull}, {1200, 42}};
    demo.tail = {command(CommandKind::FocusLost, 0), command(CommandKind::KeyDown, 'r'), ray};
    const std::vector<std::uint8_t> bytes = writeDemo(demo);
    const DemoRead read = parseDemo(bytes.data(), bytes.size());
    ASSERT_EQ(read.status, DemoReadStatus::Ok) << read.problem;
    EXPECT_EQ(describe(read.demo), describe(demo));
}
}  // namespace
