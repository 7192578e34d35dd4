// Veltrane: a space shooter. The game reads its data from the working directory,
// which start-up moves into the folder that holds it.
#include <GL/glut.h>

#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/quit_signals.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    // --help and --version answer before any window opens, even without a display.
    if (const std::optional<int> status = answerCommandLine(argc, argv)) return *status;
    enterDataDir();
    startUp(argc, argv);
    // Returns when the window is closed or a signal asks the game to end;
    // the sound is released by the exit handler that start-up registered.
    glutMainLoop();
    const int signalNumber = quitSignal();
    return signalNumber == 0 ? 0 : 128 + signalNumber;
}
