#include "platform/early_loop.h"

#include <algorithm>
#include <cstring>

void fillEarlyLoop(EarlyLoop& loop, std::uint8_t* out, std::size_t bytes) {
    const std::size_t total = loop.length.load();
    const std::size_t decoded = loop.decoded.load(std::memory_order_acquire);
    // Whole frames only, so left and right never swap.
    const std::size_t ready = std::min(decoded, total) / loop.frameBytes * loop.frameBytes;
    while (bytes > 0) {
        if (loop.position >= ready) {
            if (decoded < total || ready == 0) break;
            loop.position = 0;
        }
        const std::size_t count = std::min(bytes, ready - loop.position);
        std::memcpy(out, loop.samples + loop.position, count);
        out += count;
        bytes -= count;
        loop.position += count;
    }
    std::memset(out, 0, bytes);
}
