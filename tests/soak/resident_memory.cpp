#include "resident_memory.h"

#include <unistd.h>

#include <cstddef>
#include <cstdio>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer allocator's public interface (GCC ships no header for it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

long residentKb() {
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (file == nullptr) return -1;
    long sizePages = 0;
    long residentPages = 0;
    const int read = std::fscanf(file, "%ld %ld", &sizePages, &residentPages);
    std::fclose(file);
    if (read != 2) return -1;
    return residentPages * (sysconf(_SC_PAGESIZE) / 1024);
}

#if defined(__SANITIZE_ADDRESS__)
long checkedMemoryKb() { return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024); }
#else
long checkedMemoryKb() { return residentKb(); }
#endif
