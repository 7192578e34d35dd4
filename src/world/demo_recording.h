#pragma once
#include <string>

#include "world/command_queue.h"

// The recordings of the games being played. The command queue tells them of
// each command before it acts and the tick of its end; a command that starts
// a game (Space on the title, 'r' after a game ends) starts a recording there,
// with the state the game starts from.

// Records from the first game's start until the program ends, restarts
// included. Either call ends the recording it replaces; "" records nothing.
void recordGamesTo(const std::string& path);
// Records each game alone, from its start or restart to the next or to the
// program's end, written beside `path` and renamed to it at the game's end.
void recordLastGameTo(const std::string& path);

void noteCommandApplied(const Command& command);
void noteTickEnded();
// Ends every recording with the state as it is now (the program is ending).
void finishRecordings();

// The game's version a recording names in its header.
const char* gameVersion();
