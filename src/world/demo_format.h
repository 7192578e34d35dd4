#pragma once
// A recorded game ("demo"): where it starts and the commands of each tick.
// A game's whole course is its starting state, the random generator's state
// and the commands each tick applies, so the file holds exactly those, with
// the state's hash now and then to find where a replay parts from it.
//
// Layout (little-endian; docs/demo-format.md describes it for other tools):
//   header: "VELTDEMO", format version (u32), the game's version (text),
//           the rules fingerprint (u64), the generator's state, the game's
//           snapshot (its length, then zlib-deflated: the packed length
//           and bytes)
//   records, each a type byte and its body:
//     idle n        n ticks in a row that apply no command
//     tick n cmds   one tick that applies n commands, in order
//     check t h     after tick t the state hash was h (every 1,000 ticks)
//     tail n cmds   commands applied after the last tick, before the end
//                   (a new game or the program's end came within a tick)
//     end t h       the recording ends after t ticks with the state hash h
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "entities/game_random.h"
#include "world/byte_stream.h"
#include "world/command_queue.h"

constexpr char kDemoMagic[8] = {'V', 'E', 'L', 'T', 'D', 'E', 'M', 'O'};
// Version 2 added the focus-loss command; a version 1 file is a version 2
// file without it, so both are read.
constexpr std::uint32_t kDemoFormatVersion = 2;
constexpr std::uint32_t kOldestDemoFormatVersion = 1;
constexpr std::uint64_t kDemoCheckpointTicks = 1000;
// A week of ticks: more is no recording of ours, and would replay for hours.
constexpr std::uint64_t kMaxDemoTicks = 20ull * 60 * 60 * 24 * 7;
// Commands in all: a week of busy play, and a bound on what a file can make us hold.
constexpr std::uint64_t kMaxDemoCommands = 4'000'000;
constexpr std::size_t kMaxDemoFileBytes = 256u << 20;

enum DemoRecordType : std::uint8_t { DemoIdle = 1, DemoTick = 2, DemoCheck = 3, DemoEnd = 4, DemoTail = 5 };

struct DemoHeader {
    std::uint32_t formatVersion = kDemoFormatVersion;
    std::string gameVersion;
    std::uint64_t rulesFingerprint = 0;
    GameRandomState random{};
    std::vector<std::uint8_t> snapshot;
};

// A tick that applies commands; ticks between them apply none.
struct DemoBusyTick {
    std::uint64_t tick = 0;  // counted from 1
    std::vector<Command> commands;
};

struct DemoCheckpoint {
    std::uint64_t tick = 0;
    std::uint64_t hash = 0;
};

struct Demo {
    DemoHeader header;
    std::vector<DemoBusyTick> busyTicks;
    std::vector<DemoCheckpoint> checkpoints;
    std::vector<Command> tail;    // applied after the last tick, before the final hash
    std::uint64_t tickCount = 0;  // ticks recorded (up to the cut, in a file cut short)
    std::uint64_t commandCount = 0;
    bool ended = false;           // the end record was read
    std::uint64_t finalHash = 0;
};

enum class DemoReadStatus { Ok, Unreadable, CutShort };

struct DemoRead {
    DemoReadStatus status = DemoReadStatus::Unreadable;
    std::string problem;  // what is wrong, for one line of a message
    Demo demo;
};

void writeDemoHeader(ByteWriter& out, const DemoHeader& header);
void writeDemoIdle(ByteWriter& out, std::uint64_t ticks);
void writeDemoTick(ByteWriter& out, DemoRecordType type, const std::vector<Command>& commands);
void writeDemoCheck(ByteWriter& out, DemoRecordType type, std::uint64_t tick, std::uint64_t hash);

// Reads a whole demo. A file that stops inside or after a record, without the
// end record, is CutShort with everything before the cut; anything that is
// not what a recording writes is Unreadable. Never trusts a count it has not
// checked against the file's size or the limits above.
DemoRead parseDemo(const std::uint8_t* data, std::size_t size);
DemoRead readDemoFile(const std::string& path);
