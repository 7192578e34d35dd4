#include "platform/state_dir.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// Makes each missing folder along `path`, as mkdir -p does.
bool makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}
}  // namespace

std::string gameStateDir() {
    const char* stateHome = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (stateHome != nullptr && stateHome[0] == '/') {
        base = stateHome;
    } else {
        const char* home = std::getenv("HOME");
        if (home == nullptr || home[0] != '/') {
            std::fprintf(stderr, "veltrane: no home folder: nothing is kept between runs\n");
            return "";
        }
        base = std::string(home) + "/.local/state";
    }
    const std::string dir = base + "/veltrane";
    if (!makeFolders(dir)) {
        std::fprintf(stderr, "veltrane: cannot make %s: %s\n", dir.c_str(), std::strerror(errno));
        return "";
    }
    return dir;
}
