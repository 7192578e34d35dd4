#include "platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = write(fd, bytes.data(), bytes.size());
        if (wrote < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

// The temporary files of `path`: hidden, beside it, named after it, so
// none can be mistaken for a file of the player's.
std::string temporaryPrefix(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return "." + path.substr(slash == std::string::npos ? 0 : slash + 1) + ".tmp-";
}

// A writer killed between creating its temporary file and the rename leaves
// the file behind; the next write takes away those a minute old or more
// (younger ones may belong to another game writing just now).
void removeStaleTemporaries(const std::string& path) {
    const std::string folder = folderOf(path);
    const std::string prefix = temporaryPrefix(path);
    constexpr std::size_t kSuffixLength = 6;  // mkstemp's XXXXXX
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return;
    const time_t now = time(nullptr);
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + kSuffixLength || name.compare(0, prefix.size(), prefix) != 0) continue;
        struct stat info {};
        const std::string stale = folder + "/" + name;
        if (lstat(stale.c_str(), &info) == 0 && S_ISREG(info.st_mode) && now - info.st_mtime >= 60) unlink(stale.c_str());
    }
    closedir(dir);
}

bool fail(std::string& error, const std::string& what, const std::string& path) {
    error = what + " " + path + ": " + std::strerror(errno);
    return false;
}
}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view contents, std::string& error) {
    removeStaleTemporaries(path);
    // mkstemp names the temporary file uniquely, so two writers never share one.
    std::string temporary = folderOf(path) + "/" + temporaryPrefix(path) + "XXXXXX";
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return fail(error, "cannot create a file beside", path);
    temporary = name.data();
    const bool written = writeAll(fd, contents) && fsync(fd) == 0;
    int failure = errno;
    const bool closed = close(fd) == 0;
    if (written && !closed) failure = errno;
    if (!written || !closed) {
        unlink(temporary.c_str());
        errno = failure;
        return fail(error, "cannot write", temporary);
    }
    // mkstemp makes the file 0600; settings and records are the player's own.
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        unlink(temporary.c_str());
        errno = renameErrno;
        return fail(error, "cannot replace", path);
    }
    const std::string folder = folderOf(path);
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return fail(error, "cannot open", folder);
    const bool synced = fsync(dirFd) == 0;
    close(dirFd);
    if (!synced) return fail(error, "cannot sync", folder);
    return true;
}
