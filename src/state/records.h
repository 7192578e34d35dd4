#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "state/game_outcome.h"

// The player's records, kept between runs. Only games that count (see
// GameOutcome) and that ended, won or lost, are in them; a game left by
// quitting is not.
struct Records {
    long long bestScore = 0;  // 0: none yet (a score of 0 is no record)
    std::optional<long long> fastestWinSteps;
    long long gamesPlayed = 0;
    long long gamesWon = 0;

    bool operator==(const Records&) const = default;
};

// Which records an ended game set.
struct RecordsSet {
    bool bestScore = false;
    bool fastestWin = false;
};

// Takes an ended game into the records; an outcome that does not count
// changes nothing. A record is set by beating it strictly.
RecordsSet applyOutcome(Records& records, const GameOutcome& outcome);

// The file's text: a comment header, then one "key = value" line each.
std::string formatRecords(const Records& records);
// The records a file holds; none, with the first fault in `error` ("line N:
// ..."), when anything in it is not what the game writes: an unknown or
// repeated key, a line that is not "key = value", a value out of range, or
// counts that contradict each other. Missing keys keep their start values.
std::optional<Records> parseRecords(std::string_view text, std::string& error);

// Steps as minutes, seconds and tenths, e.g. 2506 -> "2:05.3" (cut, not rounded).
std::string formatWinTime(long long steps);
// The title screen's line: the best score and fastest win there are, "" for none.
std::string recordsTitleLine(const Records& records);
