#pragma once

// SIGINT (Ctrl+C), SIGTERM (a logout, `timeout`, `kill`) and SIGHUP (the
// terminal went away) ask the game to end. The handler only records the
// signal; the main loop notices it before the next frame and returns, so the
// game ends as it does when its window is closed, releasing the sound, and
// then ends by that same signal (endBySignal), so a calling shell or script
// sees it. A second signal of any of the three ends the process at once, by
// that signal, for a game that is stuck.
void installQuitSignals();
// The signal that asked the game to end, or 0.
int quitSignal();
// Ends the process by `signalNumber` with its default action; never returns.
[[noreturn]] void endBySignal(int signalNumber);
