#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// An RGB image read from a binary PPM ("P6") file. Rows are kept in file
// order and tightly packed; the GL takes the first row as the bottom (t = 0).
// A file that cannot be read or is malformed leaves the image empty
// (no pixels, 0 x 0), which the texture code skips.
//
// Accepted form: line 1 (the magic) is discarded unread, so numbers on it are
// never seen; "#" lines are comments anywhere in the header, and so is any
// other line that does not start with a number, while a blank line is an
// error; width, height and maximum follow split over one to three lines;
// lines are read in pieces of at most 69 characters; the pixels start after
// the newline ending the line that holds the maximum.
class PpmImage {
public:
    // Largest width or height accepted; anything bigger is taken as corrupt.
    static constexpr int kMaxDimension = 8192;

    PpmImage() = default;
    explicit PpmImage(const char* fileName) { loadPpm(fileName); }

    // Reads the file; false (and an empty image) when it cannot be opened or
    // is malformed. Prints one line naming the file on standard error on failure.
    bool loadPpm(const char* fileName);
    // Parses a whole PPM file held in memory; false (and an empty image) when
    // malformed. On failure `reason`, when given, receives a short static text.
    bool parse(const std::uint8_t* data, std::size_t size, const char** reason = nullptr);

    bool empty() const { return pixels.empty(); }

    std::vector<std::uint8_t> pixels;  // width x height x 3 bytes: red, green, blue
    int width = 0;
    int height = 0;
};
