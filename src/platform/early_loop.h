#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>

// A looped sound that starts before its file has finished decoding: the
// decoder writes its samples into a buffer that never moves and publishes
// how far it has got; the audio thread plays from that buffer, reading only
// what is published, and goes round once all of it is there.
struct EarlyLoop {
    const std::uint8_t* samples = nullptr;
    std::atomic<std::size_t> decoded{0};  // bytes published by the decoder
    std::atomic<std::size_t> length{0};   // bytes in the whole sound
    std::size_t frameBytes = 0;
    std::size_t position = 0;  // the player's, once it plays
};

// Writes the loop's next `bytes` into `out` and moves on. Where the decoder is
// behind, the rest is silence (zero samples) and the loop waits there for it.
void fillEarlyLoop(EarlyLoop& loop, std::uint8_t* out, std::size_t bytes);
