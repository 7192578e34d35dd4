#include "platform/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
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

bool fail(std::string& error, const std::string& what, const std::string& path) {
    error = what + " " + path + ": " + std::strerror(errno);
    return false;
}
}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view contents, std::string& error) {
    // mkstemp names the temporary file uniquely, so two writers never share one.
    std::string temporary = path + ".XXXXXX";
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
