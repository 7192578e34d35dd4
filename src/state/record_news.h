#pragma once
#include <string>

// What the screens show of the player's records; the draw code only reads it.
// The records keeper sets it at start-up and after every game that counts,
// and clears the ended game's news when the next game begins.
struct RecordNews {
    std::string titleLine;       // under the title's prompt; "" before any record
    bool newBestScore = false;   // the game just ended set the best score
    bool newFastestWin = false;  // ... or the fastest win
};
extern RecordNews recordNews;

// The end screens' line: "New best score!", "New fastest win!", both, or "".
std::string recordNewsLine(const RecordNews& news);
