#pragma once
#include <optional>
#include <string>

// What the command line asks of the game. GLUT's own X options (-display,
// -geometry, ...) are let through for glutInit, which takes them out of argv.
struct CommandLine {
    enum class Action { Play, ShowHelp, ShowVersion, Reject };
    Action action = Action::Play;
    std::string rejected;       // the argument that made the line invalid
    bool missingValue = false;  // an option given last, without its value
    bool badValue = false;      // an option whose value is not what it takes
    std::string dataDir;        // --data-dir DIR (or --data-dir=DIR), or ""
    // --fps N: at most N pictures a second, 0 for no limit at all; without it
    // the pictures follow the display.
    std::optional<int> fps;
    bool classicFrames = false;  // --classic-frames: one picture per game step
    // --fullscreen or --windowed, and --mute (no sound): for this run, over
    // the remembered settings.
    std::optional<bool> fullScreen;
    bool mute = false;
    std::optional<unsigned> seed;  // --seed N: the random generator's seed
    std::string recordPath;        // --record FILE
    // --playdemo, --verifydemo or --timedemo FILE (one of them at most).
    enum class Demo { None, Play, Verify, Time };
    Demo demo = Demo::None;
    std::string demoPath;
};

CommandLine parseCommandLine(int argc, const char* const* argv);

// Answers --help, --version and a bad argument on stdout/stderr before any
// window opens; returns the exit status then, nothing when the game should start.
std::optional<int> answerCommandLine(const CommandLine& line);
