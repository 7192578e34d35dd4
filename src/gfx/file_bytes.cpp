#include "gfx/file_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

bool readFileBytes(const char* fileName, std::vector<std::uint8_t>& out)
{
    out.clear();
    std::FILE* file = std::fopen(fileName, "rb");
    if (file == nullptr) {
        std::perror(fileName);
        return false;
    }
    // Read in blocks rather than trusting a size from fseek/ftell, so pipes
    // and files that change under us still give exactly what was read.
    std::uint8_t block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        out.insert(out.end(), block, block + got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed) {
        std::fprintf(stderr, "%s: %s\n", fileName, std::strerror(error));
        out.clear();
        return false;
    }
    return true;
}
