#include "world/demo_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include <zlib.h>

#include "world/input_commands.h"

namespace {
constexpr std::size_t kMaxVersionText = 64;
constexpr std::size_t kMaxSnapshotBytes = 16u << 20;

void writeCommand(ByteWriter& out, const Command& command) {
    out.u8(static_cast<std::uint8_t>(static_cast<unsigned>(command.kind) | static_cast<unsigned>(command.source) << 4));
    if (command.kind == CommandKind::FireAlong) {
        const Vec3& s = command.ray.start;
        const Vec3& d = command.ray.direction;
        for (float v : {s.x, s.y, s.z, d.x, d.y, d.z}) out.f32(v);
    } else {
        out.u8(static_cast<std::uint8_t>(command.code));
    }
}

bool readCommand(ByteReader& in, Command& command, std::string& problem) {
    const std::uint8_t tag = in.u8();
    const unsigned kind = tag & 0x0F;
    const unsigned source = tag >> 4;
    if (!in.ok()) return false;
    if (kind > static_cast<unsigned>(CommandKind::FocusLost) ||
        (source != static_cast<unsigned>(InputSource::Keyboard) && source != static_cast<unsigned>(InputSource::Gamepad))) {
        problem = "unknown command";
        in.fail();
        return false;
    }
    command.kind = static_cast<CommandKind>(kind);
    command.source = static_cast<InputSource>(source);
    if (command.kind != CommandKind::FireAlong) {
        command.code = in.u8();
        return in.ok();
    }
    float v[6];
    for (float& value : v) value = in.f32();
    if (!in.ok()) return false;
    for (float value : v) {
        if (!std::isfinite(value)) {
            problem = "a pointer shot along no real line";
            in.fail();
            return false;
        }
    }
    command.ray = PointerRay{Vec3(v[0], v[1], v[2]), Vec3(v[3], v[4], v[5])};
    return true;
}

bool readHeader(ByteReader& in, DemoHeader& header, std::string& problem) {
    char magic[8];
    for (char& c : magic) c = static_cast<char>(in.u8());
    if (!in.ok() || !std::equal(magic, magic + 8, kDemoMagic)) {
        problem = "not a Veltrane demo";
        return false;
    }
    header.formatVersion = in.u32();
    if (in.ok() && (header.formatVersion < kOldestDemoFormatVersion || header.formatVersion > kDemoFormatVersion)) {
        problem = "demo format version " + std::to_string(header.formatVersion) + ", this game reads versions " +
                  std::to_string(kOldestDemoFormatVersion) + " to " + std::to_string(kDemoFormatVersion);
        return false;
    }
    header.gameVersion = in.text(kMaxVersionText);
    header.rulesFingerprint = in.u64();
    if (in.ok() && !readGameRandomState(in, header.random)) {
        problem = "a random generator state that no game has";
        return false;
    }
    const std::size_t snapshotSize = static_cast<std::size_t>(in.count(kMaxSnapshotBytes));
    const std::size_t packedSize = static_cast<std::size_t>(in.count(kMaxSnapshotBytes));
    if (in.ok() && packedSize > in.remaining()) in.fail();
    if (!in.ok()) {
        problem = "a header cut short or out of range";
        return false;
    }
    std::vector<std::uint8_t> packed(packedSize);
    for (std::uint8_t& b : packed) b = in.u8();
    header.snapshot.resize(snapshotSize);
    uLongf unpackedSize = static_cast<uLongf>(snapshotSize);
    if (uncompress(header.snapshot.data(), &unpackedSize, packed.data(), static_cast<uLong>(packedSize)) != Z_OK ||
        unpackedSize != snapshotSize) {
        problem = "a starting state that does not unpack";
        return false;
    }
    return true;
}

DemoRead failed(DemoRead read, DemoReadStatus status, std::string problem) {
    read.status = status;
    read.problem = std::move(problem);
    return read;
}

std::string tickText(std::uint64_t tick) { return "tick " + std::to_string(tick); }
}  // namespace

void writeDemoHeader(ByteWriter& out, const DemoHeader& header) {
    for (char c : kDemoMagic) out.u8(static_cast<std::uint8_t>(c));
    out.u32(header.formatVersion);
    out.text(header.gameVersion);
    out.u64(header.rulesFingerprint);
    writeGameRandomState(out, header.random);
    // The state is mostly idle pool slots: deflated, it is a fiftieth of its size.
    uLongf packedSize = compressBound(static_cast<uLong>(header.snapshot.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, header.snapshot.data(), static_cast<uLong>(header.snapshot.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        packedSize = 0;  // cannot happen with a buffer of compressBound's size; the file then reads as unreadable
    }
    out.varint(header.snapshot.size());
    out.varint(packedSize);
    out.bytes.insert(out.bytes.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
}

void writeDemoIdle(ByteWriter& out, std::uint64_t ticks) {
    out.u8(DemoIdle);
    out.varint(ticks);
}

void writeDemoTick(ByteWriter& out, DemoRecordType type, const std::vector<Command>& commands) {
    out.u8(type);
    out.varint(commands.size());
    for (const Command& command : commands) writeCommand(out, command);
}

void writeDemoCheck(ByteWriter& out, DemoRecordType type, std::uint64_t tick, std::uint64_t hash) {
    out.u8(type);
    out.varint(tick);
    out.u64(hash);
}

namespace {
// One record's outcome: go on, stop at the end record, or stop at a fault
// (cut short when the bytes ran out, else unreadable with a problem).
enum class Step { More, Ended, Fault };

Step readCommands(ByteReader& in, Demo& demo, std::vector<Command>& commands, std::string& problem) {
    const std::uint64_t count = in.count(kMaxCommandsPerTick);
    if (in.ok() && (count == 0 || demo.tickCount >= kMaxDemoTicks || demo.commandCount + count > kMaxDemoCommands)) {
        in.fail();
    }
    if (!in.ok() && !in.ranOutOfBytes()) problem = "a command count out of range";
    // Each command takes two bytes at least: fewer left is a file cut inside the tick.
    if (in.ok() && count * 2 > in.remaining()) in.runOut();
    demo.commandCount += in.ok() ? count : 0;
    commands.resize(in.ok() ? static_cast<std::size_t>(count) : 0);
    for (Command& command : commands) {
        if (!readCommand(in, command, problem)) break;
    }
    return in.ok() ? Step::More : Step::Fault;
}

Step readCheck(ByteReader& in, Demo& demo, bool end, std::string& problem) {
    const std::uint64_t tick = in.varint();
    const std::uint64_t hash = in.u64();
    if (!in.ok()) return Step::Fault;
    // A replay meets checkpoints in order, one a tick: a second one for the
    // same tick, or one before the first tick, would hide every later one.
    const std::uint64_t previous = demo.checkpoints.empty() ? 0 : demo.checkpoints.back().tick;
    if (tick != demo.tickCount || (!end && tick <= previous)) {
        problem = "a check for " + tickText(tick);
        return in.fail(), Step::Fault;
    }
    if (!end) {
        demo.checkpoints.push_back({tick, hash});
        return Step::More;
    }
    demo.ended = true;
    demo.finalHash = hash;
    if (!in.atEnd()) {
        problem = "bytes after the end";
        return in.fail(), Step::Fault;
    }
    return Step::Ended;
}

Step readRecord(ByteReader& in, Demo& demo, std::string& problem) {
    const std::uint8_t type = in.u8();
    switch (type) {
        case DemoIdle: {
            const std::uint64_t ticks = in.count(kMaxDemoTicks - demo.tickCount);
            if (in.ok() && ticks == 0) in.fail();
            if (!in.ok() && !in.ranOutOfBytes()) problem = "a tick count out of range";
            demo.tickCount += ticks;
            return in.ok() ? Step::More : Step::Fault;
        }
        case DemoTick: {
            DemoBusyTick tick;
            tick.tick = demo.tickCount + 1;
            if (readCommands(in, demo, tick.commands, problem) == Step::Fault) return Step::Fault;
            demo.tickCount += 1;
            demo.busyTicks.push_back(std::move(tick));
            return Step::More;
        }
        case DemoTail:
            if (readCommands(in, demo, demo.tail, problem) == Step::Fault) return Step::Fault;
            if (in.atEnd()) return in.u8(), Step::Fault;  // cut short before its end record
            if (in.u8() != DemoEnd) {
                problem = "commands after the last tick but no end";
                return in.fail(), Step::Fault;
            }
            return readCheck(in, demo, true, problem);
        case DemoCheck:
        case DemoEnd:
            return readCheck(in, demo, type == DemoEnd, problem);
        default:
            problem = "unknown record type " + std::to_string(type);
            return in.fail(), Step::Fault;
    }
}
}  // namespace

DemoRead parseDemo(const std::uint8_t* data, std::size_t size) {
    DemoRead read;
    ByteReader in(data, size);
    std::string problem;
    if (!readHeader(in, read.demo.header, problem)) {
        return failed(std::move(read), DemoReadStatus::Unreadable, problem.empty() ? "a header cut short" : problem);
    }
    Demo& demo = read.demo;
    Step step = Step::More;
    while (step == Step::More && !in.atEnd()) step = readRecord(in, demo, problem);
    if (step == Step::Ended) {
        read.status = DemoReadStatus::Ok;
        return read;
    }
    if (step == Step::Fault && !in.ranOutOfBytes()) {
        return failed(std::move(read), DemoReadStatus::Unreadable, problem + " after " + tickText(demo.tickCount));
    }
    demo.tail.clear();  // commands without their end record are not part of the game
    return failed(std::move(read), DemoReadStatus::CutShort, "cut short after " + tickText(demo.tickCount));
}

DemoRead readDemoFile(const std::string& path) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    DemoRead read;
    if (!file) return failed(std::move(read), DemoReadStatus::Unreadable, "cannot be opened");
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (bytes.size() + got > kMaxDemoFileBytes) return failed(std::move(read), DemoReadStatus::Unreadable, "too large for a demo");
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (std::ferror(file.get())) return failed(std::move(read), DemoReadStatus::Unreadable, "cannot be read");
    return parseDemo(bytes.data(), bytes.size());
}
