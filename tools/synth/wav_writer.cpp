#include "wav_writer.h"

#include "pcm.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {

constexpr uint16_t kChannels = 2;
constexpr uint16_t kBitsPerSample = 16;

void putU32(std::ofstream& out, uint32_t value) {
    const char bytes[4] = {char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF), char(value >> 24)};
    out.write(bytes, 4);
}

void putU16(std::ofstream& out, uint16_t value) {
    const char bytes[2] = {char(value & 0xFF), char(value >> 8)};
    out.write(bytes, 2);
}

}  // namespace

void writeWav(const std::string& path, const StereoBuffer& buffer) {
    const std::vector<int16_t> pcm = toInterleavedPcm16(buffer);
    const uint32_t dataBytes = static_cast<uint32_t>(pcm.size() * sizeof(int16_t));
    const uint16_t blockAlign = kChannels * kBitsPerSample / 8;
    std::ofstream out(path, std::ios::binary);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write("RIFF", 4);
    putU32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    putU32(out, 16);
    putU16(out, 1);  // PCM
    putU16(out, kChannels);
    putU32(out, kSampleRate);
    putU32(out, kSampleRate * blockAlign);
    putU16(out, blockAlign);
    putU16(out, kBitsPerSample);
    out.write("data", 4);
    putU32(out, dataBytes);
    for (int16_t sample : pcm) putU16(out, static_cast<uint16_t>(sample));
    if (!out) throw std::runtime_error("failed writing " + path);
}
