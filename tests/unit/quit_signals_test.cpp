#include "app/quit_signals.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

// The first quit signal is only recorded; a second of any kind ends the
// process at once by that signal, even while the clean-up the first began hangs.
TEST(QuitSignals, ASecondSignalOfAnyKindEndsTheProcessAtOnce) {
    const int pairs[][2] = {{SIGTERM, SIGINT}, {SIGINT, SIGHUP}, {SIGHUP, SIGTERM}, {SIGINT, SIGINT}};
    for (const auto& [first, second] : pairs) {
        const pid_t child = fork();
        if (child == 0) {
            alarm(10);  // a child the second signal leaves running ends by SIGALRM instead
            installQuitSignals();
            raise(first);
            if (quitSignal() != first) _exit(3);
            raise(second);
            for (;;) pause();  // a clean-up that never ends
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == second) << first << " then " << second << ": " << status;
    }
}
