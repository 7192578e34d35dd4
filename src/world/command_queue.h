#pragma once
#include <cstddef>

#include "world/input_commands.h"

// Input that changes the game waits here, in the order it arrived, for the
// next tick to apply it before its controls. Pictures drawn in between see
// none of it, so the game's course depends on the ticks alone.
// FocusLost: the window lost the keyboard focus (a running game pauses).
enum class CommandKind : unsigned char { KeyDown, KeyUp, SpecialDown, SpecialUp, FireAlong, FocusLost };

// At most this many commands act in one tick; more wait for the next (a
// stalled game's burst of input), so a recording holds every one.
constexpr std::size_t kMaxCommandsPerTick = 1024;

struct Command {
    CommandKind kind = CommandKind::KeyDown;
    int code = 0;  // the character or special key
    InputSource source = InputSource::Keyboard;
    PointerRay ray;  // FireAlong only
};

// Queue for the input source in force (see ScopedInputSource). While live
// input is shut out (a recording plays), these drop what they are given.
void queueKeyDown(unsigned char key);
void queueKeyUp(unsigned char key);
void queueSpecialDown(int key);
void queueSpecialUp(int key);
void queueFireAlong(const PointerRay& ray);
void queueFocusLost();
void shutOutLiveInput(bool shut);
// Queues a command as it stands, whatever the live input does (a replay).
void queueCommand(const Command& command);

// Applies and removes every queued command, oldest first (the tick's first job).
void applyQueuedCommands();
std::size_t queuedCommandCount();
void clearQueuedCommands();
