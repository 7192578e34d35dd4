// Feeds arbitrary bytes to the demo reader and checks that what it yields is
// what a recording can hold; a starting state it unpacks goes on to the
// snapshot reader, which must take or refuse it without harm.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/overlay.h"
#include "world/demo_format.h"
#include "world/game_snapshot.h"
#include "world/world.h"

namespace {
bool validCommands(const std::vector<Command>& commands) {
    if (commands.size() > kMaxCommandsPerTick) return false;
    for (const Command& c : commands) {
        if (c.kind > CommandKind::FocusLost) return false;
        if (c.source != InputSource::Keyboard && c.source != InputSource::Gamepad) return false;
    }
    return true;
}

bool sane(const DemoRead& read) {
    const Demo& demo = read.demo;
    if (demo.tickCount > kMaxDemoTicks || (read.status != DemoReadStatus::Ok && read.problem.empty())) return false;
    // Ok only with the end record; a cut file keeps no commands after its last tick.
    if (read.status == DemoReadStatus::Ok && !demo.ended) return false;
    if (read.status == DemoReadStatus::CutShort && (demo.ended || !demo.tail.empty())) return false;
    std::uint64_t last = 0;
    for (const DemoBusyTick& busy : demo.busyTicks) {
        if (busy.tick <= last || busy.tick > demo.tickCount || busy.commands.empty() || !validCommands(busy.commands)) {
            return false;
        }
        last = busy.tick;
    }
    last = 0;
    for (const DemoCheckpoint& check : demo.checkpoints) {
        if (check.tick <= last || check.tick > demo.tickCount) return false;
        last = check.tick;
    }
    return validCommands(demo.tail);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Built once: a snapshot overwrites every field it holds, whatever the last input left.
    static World* const world = createWorld(WorldImages::Skip);
    static Overlay* const overlay = createOverlay();
    const DemoRead read = parseDemo(data, size);
    if (!sane(read)) __builtin_trap();
    if (read.status != DemoReadStatus::Unreadable) {
        const std::vector<std::uint8_t>& snapshot = read.demo.header.snapshot;
        ByteReader in(snapshot.data(), snapshot.size());
        readGameSnapshot(in, *world, *overlay);
    }
    return 0;
}
