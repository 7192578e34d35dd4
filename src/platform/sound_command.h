#pragma once
#include <optional>
#include <string>

enum class SoundVerb { Open, Play, Stop };

// One media command string taken apart:
//   "open <file> type <mpegvideo|waveaudio> alias <alias>"
//   "play <alias> [from 0] [repeat]"   (the two clauses in either order)
//   "stop <alias>"
struct SoundCommand {
    SoundVerb verb = SoundVerb::Stop;
    std::string file;        // the file to open; empty for play and stop
    std::string alias;
    bool fromStart = false;  // "from 0": restart even if already playing
    bool repeat = false;     // loop until stopped
};

// Parses one command; keywords are case-insensitive, names are kept as written.
// Anything malformed or unsupported (another verb, a position other than 0,
// a clause given twice, stray words) gives nullopt.
std::optional<SoundCommand> parseSoundCommand(const std::string& text);
