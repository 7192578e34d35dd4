#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "world/demo_format.h"

// Writes one recording as the game plays: the header when it starts, then
// each tick's commands as the tick ends, reaching the file every second, so
// that a game that crashes leaves all but its last second. With a final path the file is
// written beside it and renamed into place when the recording ends, so the
// file under that name is always a whole recording.
class DemoRecorder {
public:
    DemoRecorder() = default;
    DemoRecorder(const DemoRecorder&) = delete;
    DemoRecorder& operator=(const DemoRecorder&) = delete;
    ~DemoRecorder();

    // Opens `path` (or `path`.part, to be renamed to `path` at the end), locks
    // it and writes the header. False, with a message on stderr, when it
    // cannot (another game holding the lock included).
    bool start(const std::string& path, bool renameAtEnd, const DemoHeader& header);
    bool recording() const { return file != nullptr; }

    // The commands the current tick applies, in order.
    void addCommand(const Command& command);
    // Ends the current tick; `stateHash` is asked for only at checkpoints.
    template <class HashFn> void endTick(HashFn stateHash) {
        if (file == nullptr) return;
        ticks += 1;
        writeTick();
        if (ticks % kDemoCheckpointTicks == 0) writeCheck(DemoCheck, stateHash());
        if (ticks >= kMaxDemoTicks) {
            std::fprintf(stderr, "veltrane: %s holds a week of play: the recording ends there\n", writingPath.c_str());
            finish(stateHash());
        }
    }
    // Writes the end record, closes the file and renames it into place.
    void finish(std::uint64_t finalHash);

    std::uint64_t ticksRecorded() const { return ticks; }

private:
    void writeTick();
    void writeCheck(DemoRecordType type, std::uint64_t hash);
    void flushIdle();
    void put(bool flush);

    std::FILE* file = nullptr;
    std::string writingPath;
    std::string finalPath;
    static constexpr std::uint64_t kFlushTicks = 20;
    std::uint64_t ticks = 0;
    std::uint64_t flushedAtTick = 0;
    std::uint64_t idleTicks = 0;
    std::vector<Command> tickCommands;
    ByteWriter pending;
};
