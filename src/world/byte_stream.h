#pragma once
// Little-endian bytes for the files the game writes and reads back: whole
// numbers of fixed width, unsigned variable-length numbers (7 bits a byte),
// and floats by their exact bits, so a value read back is the value written.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes.push_back(v); }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) u8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void u64(std::uint64_t v) {
        for (int i = 0; i < 8; ++i) u8(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void varint(std::uint64_t v) {
        while (v >= 0x80) {
            u8(static_cast<std::uint8_t>(v | 0x80));
            v >>= 7;
        }
        u8(static_cast<std::uint8_t>(v));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        u32(bits);
    }
    void flag(bool v) { u8(v ? 1 : 0); }
    void text(const std::string& v) {
        varint(v.size());
        bytes.insert(bytes.end(), v.begin(), v.end());
    }

    std::vector<std::uint8_t> bytes;
};

// Reads what a ByteWriter wrote. A read past the end, or a value out of its
// range, marks the reader failed and gives zero: the caller checks ok() once
// after a group of reads instead of after each.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::uint8_t u8() {
        if (at >= size) {
            ranOut = true;
            return fail(), 0;
        }
        return data[at++];
    }
    std::uint32_t u32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(u8()) << (8 * i);
        return failed ? 0 : v;
    }
    std::uint64_t u64() {
        std::uint64_t v = 0;
        for (int i = 0; i < 8; ++i) v |= static_cast<std::uint64_t>(u8()) << (8 * i);
        return failed ? 0 : v;
    }
    std::uint64_t varint() {
        std::uint64_t v = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const std::uint8_t b = u8();
            v |= static_cast<std::uint64_t>(b & 0x7F) << shift;
            if ((b & 0x80) == 0) return failed ? 0 : v;
        }
        return fail(), 0;  // more than ten bytes: not a number we wrote
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32() {
        const std::uint32_t bits = u32();
        float v = 0.0f;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    bool flag() {
        const std::uint8_t v = u8();
        if (v > 1) fail();
        return v == 1;
    }
    // A count that must not exceed `limit` (a pool's size, what the file can still hold).
    std::uint64_t count(std::uint64_t limit) {
        const std::uint64_t v = varint();
        if (v > limit) return fail(), 0;
        return v;
    }
    std::string text(std::size_t limit) {
        const std::size_t length = static_cast<std::size_t>(count(limit));
        if (failed || length > remaining()) return fail(), std::string();
        std::string v(reinterpret_cast<const char*>(data + at), length);
        at += length;
        return v;
    }

    void fail() { failed = true; }
    // What a read past the end does, for a count that promises more than is left.
    void runOut() { failed = ranOut = true; }
    bool ok() const { return !failed; }
    // Failed by reading past the end (a file cut short), not by a bad value.
    bool ranOutOfBytes() const { return ranOut; }
    std::size_t offset() const { return at; }
    std::size_t remaining() const { return size - at; }
    bool atEnd() const { return at == size; }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool failed = false;
    bool ranOut = false;
};
