#pragma once
#include <cstdint>
#include <vector>

// Reads a whole file into memory. When it cannot be opened or read, prints
// one line like perror: the file name, a colon and the system's error text.
// False then, with `out` empty.
bool readFileBytes(const char* fileName, std::vector<std::uint8_t>& out);
