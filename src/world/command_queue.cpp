#include "world/command_queue.h"

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
    }
}
}  // namespace

void queueKeyDown(unsigned char key) { queue(CommandKind::KeyDown, key); }
void queueKeyUp(unsigned char key) { queue(CommandKind::KeyUp, key); }
void queueSpecialDown(int key) { queue(CommandKind::SpecialDown, key); }
void queueSpecialUp(int key) { queue(CommandKind::SpecialUp, key); }

void queueFireAlong(const PointerRay& ray) {
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
    for (const Command& command : commands) apply(command);
    commands.clear();
    if (queued.empty()) queued.swap(commands);  // keep the capacity: no allocation per tick
}

std::size_t queuedCommandCount() { return queued.size(); }

void clearQueuedCommands() { queued.clear(); }
