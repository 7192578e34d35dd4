#include "world/demo_recorder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

DemoRecorder::~DemoRecorder() {
    if (file != nullptr) std::fclose(file);
}

bool DemoRecorder::start(const std::string& path, bool renameAtEnd, const DemoHeader& header) {
    if (file != nullptr) std::fclose(file);
    finalPath = renameAtEnd ? path : "";
    writingPath = renameAtEnd ? path + ".part" : path;
    ticks = 0;
    flushedAtTick = 0;
    idleTicks = 0;
    tickCommands.clear();
    pending.bytes.clear();
    // Two games running at once must not write one file: the one that holds
    // the lock records, and the file is emptied only once it is held.
    const int fd = open(writingPath.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    const bool locked = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (locked && ftruncate(fd, 0) == 0) file = fdopen(fd, "wb");
    if (file == nullptr) {
        const char* why = fd >= 0 && !locked ? "another game is recording there" : std::strerror(errno);
        std::fprintf(stderr, "veltrane: cannot record to %s: %s\n", writingPath.c_str(), why);
        if (fd >= 0) close(fd);
        return false;
    }
    writeDemoHeader(pending, header);
    put(true);
    return file != nullptr;
}

void DemoRecorder::addCommand(const Command& command) {
    if (file != nullptr) tickCommands.push_back(command);
}

void DemoRecorder::writeTick() {
    if (tickCommands.empty()) {
        idleTicks += 1;
        // A quiet stretch reaches the file every second too, so a crash in it loses no more.
        if (ticks >= flushedAtTick + kFlushTicks) {
            flushIdle();
            put(true);
        }
        return;
    }
    flushIdle();
    writeDemoTick(pending, DemoTick, tickCommands);
    tickCommands.clear();
    put(ticks >= flushedAtTick + kFlushTicks);
}

void DemoRecorder::flushIdle() {
    if (idleTicks == 0) return;
    writeDemoIdle(pending, idleTicks);
    idleTicks = 0;
}

void DemoRecorder::writeCheck(DemoRecordType type, std::uint64_t hash) {
    flushIdle();
    writeDemoCheck(pending, type, ticks, hash);
    put(true);
}

void DemoRecorder::finish(std::uint64_t finalHash) {
    if (file == nullptr) return;
    // A new game or the program's end may come within a tick: the commands
    // that tick applied before it are kept, applied after the last tick.
    flushIdle();
    if (!tickCommands.empty()) writeDemoTick(pending, DemoTail, tickCommands);
    tickCommands.clear();
    writeCheck(DemoEnd, finalHash);
    if (file == nullptr) return;
    const bool closed = std::fclose(file) == 0;
    file = nullptr;
    if (!closed) {
        std::fprintf(stderr, "veltrane: the recording %s could not be written\n", writingPath.c_str());
        return;
    }
    if (!finalPath.empty() && std::rename(writingPath.c_str(), finalPath.c_str()) != 0) {
        std::fprintf(stderr, "veltrane: cannot rename %s to %s: %s\n", writingPath.c_str(), finalPath.c_str(),
                     std::strerror(errno));
    }
}

// Writes what is pending, and flushes it to the file when asked: at least a
// second's ticks apart, at checkpoints and at the end, so a crash loses
// little and a busy game makes few system calls. A failed write (a full
// disk) ends the recording, never the game.
void DemoRecorder::put(bool flush) {
    if (flush) flushedAtTick = ticks;
    const bool written = std::fwrite(pending.bytes.data(), 1, pending.bytes.size(), file) == pending.bytes.size() &&
                         (!flush || std::fflush(file) == 0);
    pending.bytes.clear();
    if (written) return;
    std::fprintf(stderr, "veltrane: stopped recording to %s: %s\n", writingPath.c_str(), std::strerror(errno));
    std::fclose(file);
    file = nullptr;
}
