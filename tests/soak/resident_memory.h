#pragma once

// The process's resident memory in kB, from /proc/self/statm; -1 if unreadable.
long residentKb();

// The memory the soak holds flat. Normally the resident memory; under
// AddressSanitizer, whose quarantine of freed blocks and allocator caches
// swing the resident memory by a hundred megabytes from one minute to the
// next, the bytes the program holds allocated.
long checkedMemoryKb();
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kChecksAllocatedMemory = true;
#else
inline constexpr bool kChecksAllocatedMemory = false;
#endif
