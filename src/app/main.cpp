// Veltrane: a space shooter. The game reads its data from the working directory,
// which start-up moves into the folder that holds it.
#include <GL/glut.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/demo_timing.h"
#include "app/demo_verify.h"
#include "app/demo_viewer.h"
#include "app/display_pacing.h"
#include "app/frame_loop.h"
#include "app/quit_signals.h"
#include "app/records_keeper.h"
#include "app/remembered_settings.h"
#include "app/startup.h"
#include "gfx/title_screen.h"
#include "platform/mixer_sound_setup.h"
#include "platform/user_dirs.h"
#include "world/demo_recording.h"

int main(int argc, char** argv) {
    // --help and --version answer before any window opens, even without a display.
    CommandLine line = parseCommandLine(argc, argv);
    if (const std::optional<int> status = answerCommandLine(line)) return *status;
    // Checking a recording needs no window, no display and no data.
    if (line.demo == CommandLine::Demo::Verify) return verifyDemo(line.demoPath);
    DemoRead demo;
    if (line.demo != CommandLine::Demo::None) {
        if (const int status = loadDemo(line.demoPath, demo); status != kDemoMatches) return status;
        if (demo.status == DemoReadStatus::CutShort) {
            std::fprintf(stderr, "veltrane: %s: %s: playing what it holds\n", line.demoPath.c_str(), demo.problem.c_str());
        }
    }
    // The game works in its data folder: a recording named from here stays here.
    if (!line.recordPath.empty()) line.recordPath = std::filesystem::absolute(line.recordPath).string();
    const DataDirChoice data = enterDataDir(line.dataDir);
    if (data.outcome == DataDirChoice::Outcome::NamedFolderLacksData) return 2;
    if (data.outcome == DataDirChoice::Outcome::NoData) {
        // A game started from a desktop menu has no terminal: the title says it too.
        std::string notice = data.message + ". Name the data folder with --data-dir DIR or VELTRANE_DATA_DIR.";
        notice[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(notice[0])));
        setTitleNotice(notice);
    }
    if (line.seed) useSeed(*line.seed);
    // Before start-up: the mixer's first sound has the remembered volumes.
    loadRememberedSettings(line);
    startUp(argc, argv);
    if (line.demo == CommandLine::Demo::Time) return timeDemo(demo.demo, line.demoPath.c_str());
    if (line.demo == CommandLine::Demo::Play) {
        if (!startDemoViewer(std::move(demo.demo))) return refuseStartingState(line.demoPath);
    } else {
        // Watching, checking or timing a recording records nothing.
        if (!line.recordPath.empty()) recordGamesTo(line.recordPath);
        if (const std::string stateDir = gameStateDir(); !stateDir.empty()) recordLastGameTo(stateDir + "/last-game.vdemo");
        // The player's records: only live play reads them, and only it adds to them.
        loadRecords();
        // Ends them on every way out: q's exit, a closed window, a signal.
        std::atexit(finishRecordings);
    }
    // The pictures as remembered, or as the command line asks for this run.
    const Settings settings = startingSettings();
    useClassicFrames(settings.classicFrames);
    if (!settings.classicFrames) {
        const DisplayPacing pacing = chooseDisplayPacing(settings.fps);
        useSmoothPacing(pacing.picturePeriodNs);
        if (std::getenv("VELTRANE_SHOW_PACING") != nullptr) std::fprintf(stderr, "veltrane: %s\n", pacing.description.c_str());
    }
    // Returns when the window is closed or a signal asks the game to end.
    glutMainLoop();
    const int signalNumber = quitSignal();
    if (signalNumber == 0) return 0;  // the exit handler start-up registered releases the sound
    // The game then ends by that signal, so the shell that started it knows.
    finishRecordings();
    finishSavingSettings();
    shutdownMixerSound();
    endBySignal(signalNumber);
}
