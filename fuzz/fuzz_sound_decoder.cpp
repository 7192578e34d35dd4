// Feeds arbitrary bytes to the sound decoder as a file, the way the game
// meets its sound files: sniffed as WAV or MPEG audio, then decoded a slice
// at a time into the mixer's format. Whatever the bytes claim, it must end
// without a crash, and the buffer an early loop would play from must stay put
// and hold what the decoder says it holds.
#include <SDL.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/sound_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/fuzz_sound_decoder_" + std::to_string(getpid()) + ".bin";
    [[maybe_unused]] static const int removedAtExit = std::atexit([] { std::remove(path.c_str()); });
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) __builtin_trap();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) __builtin_trap();
    std::fclose(out);

    const auto kind = sniffSoundFile(path);
    if (!kind) __builtin_trap();
    SoundDecoder decoder(path, *kind, PcmFormat{44100, AUDIO_S16SYS, 2});
    const std::uint8_t* early = nullptr;
    while (!decoder.decodeSlice()) {
        const std::uint8_t* now = decoder.earlySamples();
        if (now == nullptr) continue;
        if ((early != nullptr && now != early) || decoder.decodedBytes() > decoder.expectedBytes()) __builtin_trap();
        early = now;
        // The last byte published must be readable: the sanitizer checks it.
        if (decoder.decodedBytes() > 0) [[maybe_unused]] volatile std::uint8_t last = early[decoder.decodedBytes() - 1];
    }
    if (decoder.pcm().size() % 4 != 0) __builtin_trap();  // whole stereo frames
    // An early loop may still be playing from the buffer handed out: it lives
    // as long as the decoder.
    if (early != nullptr) [[maybe_unused]] volatile std::uint8_t first = early[0];
    return 0;
}
