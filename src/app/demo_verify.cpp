#include "app/demo_verify.h"

#include <chrono>
#include <cstdio>

#include "gfx/overlay.h"
#include "state/input_flags.h"
#include "state/options.h"
#include "world/demo_playback.h"
#include "world/demo_recording.h"
#include "world/rules_fingerprint.h"
#include "world/world.h"
#include "world/world_options.h"

namespace {
unsigned long long hex(std::uint64_t v) { return static_cast<unsigned long long>(v); }
}  // namespace

int loadDemo(const std::string& path, DemoRead& read) {
    read = readDemoFile(path);
    const char* file = path.c_str();
    if (read.status == DemoReadStatus::Unreadable) {
        std::fprintf(stderr, "veltrane: %s: %s\n", file, read.problem.c_str());
        return kDemoUnusable;
    }
    const DemoHeader& header = read.demo.header;
    if (header.rulesFingerprint != rulesFingerprint()) {
        std::fprintf(stderr,
                     "veltrane: %s: recorded by Veltrane %s under other rules (fingerprint %016llx); "
                     "this is Veltrane %s (fingerprint %016llx)\n",
                     file, header.gameVersion.c_str(), hex(header.rulesFingerprint), gameVersion(),
                     hex(rulesFingerprint()));
        return kDemoUnusable;
    }
    return kDemoMatches;
}

int refuseStartingState(const std::string& path) {
    std::fprintf(stderr, "veltrane: %s: a starting state this game cannot take\n", path.c_str());
    return kDemoUnusable;
}

int verifyDemo(const std::string& path) {
    DemoRead read;
    if (const int status = loadDemo(path, read); status != kDemoMatches) return status;
    const Demo& demo = read.demo;
    const char* file = path.c_str();
    createWorld(WorldImages::Skip);
    createOverlay();
    resetOptions();
    resetInput();
    DemoPlayback playback;
    if (!playback.begin(demo)) return refuseStartingState(path);
    const auto started = std::chrono::steady_clock::now();
    while (!playback.finished()) playback.playTick();
    const std::uint64_t finalHash = demo.ended ? playback.finish() : 0;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%s: %llu ticks (%.1f minutes of play), recorded by Veltrane %s, replayed in %.2f s\n", file,
                static_cast<unsigned long long>(demo.tickCount), static_cast<double>(demo.tickCount) / 1200.0,
                demo.header.gameVersion.c_str(), seconds);
    const DemoEvents& events = playback.events();
    std::printf("deaths %d, wins %d, restarts %d, capital ships destroyed %d, pointer shots %d\n", events.deaths,
                events.wins, events.restarts, events.capitalShipsDestroyed, events.pointerShots);
    if (playback.firstMismatch) {
        std::printf("first difference: the checkpoint after tick %llu (recorded %016llx, replayed %016llx)\n",
                    static_cast<unsigned long long>(playback.firstMismatch->tick), hex(playback.firstMismatch->hash),
                    hex(playback.mismatchHash));
    }
    if (!demo.ended) {
        if (playback.lastMatchedTick == 0 && !playback.firstMismatch) {
            std::printf("%s: %s, without its end record, before any checkpoint: nothing to check it by\n", file,
                        read.problem.c_str());
        } else {
            std::printf("%s: %s, without its end record; the first %llu ticks matched\n", file, read.problem.c_str(),
                        static_cast<unsigned long long>(playback.lastMatchedTick));
        }
        return playback.firstMismatch ? kDemoDiffers : kDemoCutShort;
    }
    const bool matches = finalHash == demo.finalHash && !playback.firstMismatch;
    if (finalHash == demo.finalHash) {
        std::printf("final hash %016llx: %s\n", hex(finalHash), matches ? "matches" : "matches, but a checkpoint did not");
    } else {
        std::printf("final hash %016llx, recorded %016llx: differs\n", hex(finalHash), hex(demo.finalHash));
    }
    return matches ? kDemoMatches : kDemoDiffers;
}
