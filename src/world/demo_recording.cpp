#include "world/demo_recording.h"

#include <optional>

#include "gfx/overlay.h"
#include "world/demo_recorder.h"
#include "world/game_snapshot.h"
#include "world/input_commands.h"
#include "world/rules_fingerprint.h"
#include "world/state_hash.h"
#include "world/world.h"

namespace {
std::string sessionPath;
std::string lastGamePath;
DemoRecorder session;
DemoRecorder lastGame;
bool sessionStarted = false;

std::uint64_t stateHashNow() { return gameStateHash(*getWorld(), *getOverlay()); }

bool startsAGame(const Command& command) {
    return command.kind == CommandKind::KeyDown && keyStartsAGame(static_cast<unsigned char>(command.code));
}

DemoHeader headerNow() {
    DemoHeader header;
    header.gameVersion = gameVersion();
    header.rulesFingerprint = rulesFingerprint();
    header.random = gameRandomState();
    ByteWriter snapshot;
    writeGameSnapshot(snapshot, *getWorld(), *getOverlay());
    header.snapshot = std::move(snapshot.bytes);
    return header;
}
}  // namespace

const char* gameVersion() { return VELTRANE_VERSION; }

void recordGamesTo(const std::string& path) {
    if (session.recording()) session.finish(stateHashNow());
    sessionPath = path;
    sessionStarted = false;
}

void recordLastGameTo(const std::string& path) {
    if (lastGame.recording()) lastGame.finish(stateHashNow());
    lastGamePath = path;
}

void noteCommandApplied(const Command& command) {
    if (sessionPath.empty() && lastGamePath.empty()) return;
    // 'q' ends the program there and then: the exit handler ends the recordings.
    if (command.kind == CommandKind::KeyDown && command.code == 'q') return;
    if (startsAGame(command)) {
        std::optional<DemoHeader> header;
        if (!sessionPath.empty() && !sessionStarted) {
            header = headerNow();
            sessionStarted = true;
            session.start(sessionPath, false, *header);
        }
        if (!lastGamePath.empty()) {
            if (lastGame.recording()) lastGame.finish(stateHashNow());
            if (!header) header = headerNow();
            lastGame.start(lastGamePath, true, *header);
        }
    }
    session.addCommand(command);
    lastGame.addCommand(command);
}

void noteTickEnded() {
    session.endTick(stateHashNow);
    lastGame.endTick(stateHashNow);
}

void finishRecordings() {
    if (!session.recording() && !lastGame.recording()) return;
    const std::uint64_t hash = stateHashNow();
    session.finish(hash);
    lastGame.finish(hash);
}
