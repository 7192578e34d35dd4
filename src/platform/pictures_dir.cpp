#include "platform/pictures_dir.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace {
constexpr std::size_t kMaxAnswer = 4096;

std::string homeDir() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return "";
    std::string dir = home;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

// The first line `program argument` prints on its standard output.
std::string firstLineOf(const char* program, const char* argument) {
    int pipeEnds[2] = {-1, -1};
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return "";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    char* const argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
    pid_t child = -1;
    const int spawned = posix_spawnp(&child, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string answer;
    if (spawned == 0) {
        char buffer[512];
        for (;;) {
            const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) break;
            // Read to the end all the same, so the child never blocks on a full pipe.
            if (answer.size() < kMaxAnswer) answer.append(buffer, static_cast<std::size_t>(got));
        }
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    close(pipeEnds[0]);
    const std::size_t end = answer.find('\n');
    if (end != std::string::npos) answer.resize(end);
    return answer;
}
}  // namespace

std::string xdgPicturesDir() {
    std::string dir = firstLineOf("xdg-user-dir", "PICTURES");
    if (dir.empty() || dir[0] != '/') return "";
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    if (dir == homeDir()) return "";
    return dir;
}

std::string screenshotDir() {
    const std::string pictures = xdgPicturesDir();
    if (!pictures.empty()) return pictures + "/Veltrane";
    const std::string home = homeDir();
    if (home.empty()) return "";
    return home + "/Pictures/Veltrane";
}
