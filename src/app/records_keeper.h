#pragma once
#include <string>

#include "state/records.h"

// The player's records in $XDG_DATA_HOME/veltrane/records. Only live play
// keeps them: watching, checking or timing a recording never loads them, so
// never writes them.

// Reads the records and sets the title's line. A missing file means no
// records yet, silently. A file the game could not have written is renamed
// to records.bad beside it and the records start afresh, with one warning.
// A file that cannot be read at all (permissions) is left alone and the
// records are not kept this run, also with one warning.
void loadRecords();
// The same with the file named (tests).
void loadRecordsFrom(const std::string& path);

// Called after every tick of live play: takes the outcome of a game that
// just ended, updates the records and what the screens show, and writes the
// file in the background. A folder that cannot be written warns once.
void keepRecordsOfEndedGames();
// The records as kept now (tests).
Records keptRecords();
