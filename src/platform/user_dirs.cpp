#include "platform/user_dirs.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
struct BaseRule {
    const char* variable;
    const char* underHome;
};

BaseRule baseRule(UserDir which) {
    switch (which) {
        case UserDir::Config: return {"XDG_CONFIG_HOME", "/.config"};
        case UserDir::Data: return {"XDG_DATA_HOME", "/.local/share"};
        case UserDir::State: break;
    }
    return {"XDG_STATE_HOME", "/.local/state"};
}
}  // namespace

std::string gameUserDir(UserDir which) {
    const BaseRule rule = baseRule(which);
    const char* value = std::getenv(rule.variable);
    if (value != nullptr && value[0] == '/') return std::string(value) + "/veltrane";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') return "";
    return std::string(home) + rule.underHome + "/veltrane";
}

bool makeUserDir(const std::string& dir) {
    if (dir.empty() || dir[0] != '/') {
        errno = ENOENT;
        return false;
    }
    for (std::size_t slash = dir.find('/', 1); ; slash = dir.find('/', slash + 1)) {
        const std::string part = dir.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    if (stat(dir.c_str(), &info) != 0) return false;
    if (!S_ISDIR(info.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

std::string gameStateDir() {
    const std::string dir = gameUserDir(UserDir::State);
    if (dir.empty()) {
        std::fprintf(stderr, "veltrane: no home folder: nothing is kept between runs\n");
        return "";
    }
    if (!makeUserDir(dir)) {
        std::fprintf(stderr, "veltrane: cannot make %s: %s\n", dir.c_str(), std::strerror(errno));
        return "";
    }
    return dir;
}

std::string withHomeAsTilde(const std::string& path) {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/' || home[1] == '\0') return path;
    const std::string prefix = home;
    if (path == prefix) return "~";
    if (path.compare(0, prefix.size() + 1, prefix + "/") == 0) return "~" + path.substr(prefix.size());
    return path;
}
