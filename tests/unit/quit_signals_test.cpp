#include "app/quit_signals.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace {
// Runs `body` in a child process and returns its wait status; a child still
// running ten seconds on is killed (and reported as killed by SIGKILL).
template <typename Body>
int statusOfChild(Body body) {
    const pid_t child = fork();
    if (child == 0) {
        body();
        _exit(0);
    }
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return status;
}
}  // namespace

// The first quit signal is only recorded; a second of any kind ends the
// process at once by that signal, even while the clean-up the first began hangs.
TEST(QuitSignals, ASecondSignalOfAnyKindEndsTheProcessAtOnce) {
    const int pairs[][2] = {{SIGTERM, SIGINT}, {SIGINT, SIGHUP}, {SIGHUP, SIGTERM}, {SIGINT, SIGINT}};
    for (const auto& [first, second] : pairs) {
        const int status = statusOfChild([first = first, second = second] {
            installQuitSignals();
            raise(first);
            if (quitSignal() != first) _exit(3);
            raise(second);
            for (;;) pause();  // a clean-up that never ends
        });
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == second) << first << " then " << second << ": " << status;
    }
}
