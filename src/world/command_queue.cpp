#include "world/command_queue.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "world/demo_recording.h"

namespace {
std::vector<Command> queued;
bool liveInputShut = false;

void queue(CommandKind kind, int code) {
    if (liveInputShut) return;
    Command command;
    command.kind = kind;
    command.code = code;
    command.source = currentInputSource();
    queued.push_back(command);
}

void apply(const Command& command) {
    // Recordings see each command before it acts: one that starts a game
    // keeps the state it starts from.
    noteCommandApplied(command);
    const ScopedInputSource from(command.source);
    switch (command.kind) {
        case CommandKind::KeyDown: handleKeyDown(static_cast<unsigned char>(command.code)); break;
        case CommandKind::KeyUp: handleKeyUp(static_cast<unsigned char>(command.code)); break;
        case CommandKind::SpecialDown: handleSpecialDown(command.code); break;
        case CommandKind::SpecialUp: handleSpecialUp(command.code); break;
        case CommandKind::FireAlong: fireAlongRay(command.ray); break;
        case CommandKind::FocusLost: handleFocusLost(); break;
    }
}
}  // namespace

void queueKeyDown(unsigned char key) { queue(CommandKind::KeyDown, key); }
void queueKeyUp(unsigned char key) { queue(CommandKind::KeyUp, key); }
void queueSpecialDown(int key) { queue(CommandKind::SpecialDown, key); }
void queueSpecialUp(int key) { queue(CommandKind::SpecialUp, key); }
void queueFocusLost() { queue(CommandKind::FocusLost, 0); }

void queueFireAlong(const PointerRay& ray) {
    // A click the picture could not unproject fires along no line at all.
    const Vec3& s = ray.start;
    const Vec3& d = ray.direction;
    for (float v : {s.x, s.y, s.z, d.x, d.y, d.z}) {
        if (!std::isfinite(v)) return;
    }
    if (liveInputShut) return;
    Command command;
    command.kind = CommandKind::FireAlong;
    command.source = currentInputSource();
    command.ray = ray;
    queued.push_back(command);
}

void shutOutLiveInput(bool shut) { liveInputShut = shut; }

void queueCommand(const Command& command) { queued.push_back(command); }

void applyQueuedCommands() {
    // A command may not queue another, but take the list first all the same.
    std::vector<Command> commands;
    commands.swap(queued);
    const std::size_t now = std::min(commands.size(), kMaxCommandsPerTick);
    for (std::size_t i = 0; i < now; ++i) apply(commands[i]);
    if (now < commands.size()) {
        queued.insert(queued.begin(), commands.begin() + static_cast<std::ptrdiff_t>(now), commands.end());
        return;
    }
    commands.clear();
    if (queued.empty()) queued.swap(commands);  // keep the capacity: no allocation per tick
}

std::size_t queuedCommandCount() { return queued.size(); }

void clearQueuedCommands() { queued.clear(); }
