#include "platform/heap_thresholds.h"

#include <malloc.h>

namespace {
// glibc's own defaults, held for the whole run.
constexpr int kMmapThreshold = 128 * 1024;
constexpr int kTrimThreshold = 128 * 1024;
}  // namespace

void fixHeapThresholds() {
    // Left adaptive, glibc raises its mmap threshold to the size of each large
    // block freed (the image file buffers and the sound decoder's growing
    // buffers at start-up reach 10 MB) and its trim threshold to twice that.
    // From then on the GL driver's blocks of about 1 MB, taken and released
    // many times a second while drawing, come from the heap, and the heap's
    // free top is never given back: resident memory crept up by megabytes in
    // full screen. Setting the thresholds turns that adaptation off.
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
    mallopt(M_TRIM_THRESHOLD, kTrimThreshold);
}
