#include "app/frame_log.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
std::FILE* openLog() {
    const char* name = std::getenv("VELTRANE_FRAME_LOG");
    if (name == nullptr || *name == '\0') return nullptr;
    std::FILE* file = std::fopen(name, "w");
    // A line at a time, so a game ended by a signal leaves every frame written.
    if (file != nullptr) std::setvbuf(file, nullptr, _IOLBF, 0);
    return file;
}
}  // namespace

void logFrame(bool ticked, std::int64_t workNs) {
    static std::FILE* const file = openLog();
    if (file == nullptr) return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::fprintf(file, "%lld %d %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()), ticked ? 1 : 0,
                 static_cast<long long>(workNs));
}
