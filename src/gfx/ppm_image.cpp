#include "gfx/ppm_image.h"

#include <cstdio>
#include <string_view>

#include "gfx/file_bytes.h"

namespace {

// Header lines are read the way fgets fills a 70-byte buffer: at most 69
// characters, a longer line continuing as a line of its own.
constexpr std::size_t kLinePiece = 69;
constexpr int kMaxSample = 255;
// Numbers are saturated here while scanning; any such value fails the range checks.
constexpr long long kNumberCeiling = 1LL << 40;

// Walks the file's bytes line by line, then hands over the rest as pixel data.
struct LineReader {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t pos = 0;

    // The next line piece, newline included; false at the end of the data.
    bool next(std::string_view& piece)
    {
        if (pos >= size)
            return false;
        const std::size_t start = pos;
        while (pos < size && pos - start < kLinePiece) {
            if (data[pos++] == '\n')
                break;
        }
        piece = std::string_view(reinterpret_cast<const char*>(data + start), pos - start);
        return true;
    }
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// What scanNumbers gives for a line of nothing but white space (scanning's EOF).
constexpr int kBlankLine = -1;

// Reads up to `wanted` whitespace-separated decimal integers from the start of
// the line, as scanning "%d %d %d" does; returns how many were converted, or
// kBlankLine. A NUL byte ends the text, as it would for the C string functions.
int scanNumbers(std::string_view line, long long* values, int wanted)
{
    const std::size_t nul = line.find('\0');
    if (nul != std::string_view::npos)
        line = line.substr(0, nul);
    std::size_t i = 0;
    int count = 0;
    while (count < wanted) {
        while (i < line.size() && isSpace(line[i]))
            ++i;
        if (count == 0 && i >= line.size())
            return kBlankLine;
        bool negative = false;
        if (i < line.size() && (line[i] == '+' || line[i] == '-'))
            negative = line[i++] == '-';
        if (i >= line.size() || line[i] < '0' || line[i] > '9')
            break;
        long long value = 0;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
            if (value < kNumberCeiling)
                value = value * 10 + (line[i] - '0');
            ++i;
        }
        values[count++] = negative ? -value : value;
    }
    return count;
}

bool fail(PpmImage& image, const char** reason, const char* text)
{
    image.pixels.clear();
    image.width = 0;
    image.height = 0;
    if (reason != nullptr)
        *reason = text;
    return false;
}

} // namespace

bool PpmImage::parse(const std::uint8_t* data, std::size_t size, const char** reason)
{
    LineReader reader{data, size, 0};
    std::string_view line;

    // The first line holds the magic and is not looked at: numbers there are never seen.
    if (!reader.next(line))
        return fail(*this, reason, "empty file");

    // width, height, maximum, in order, over as many lines as it takes.
    long long header[3] = {0, 0, 0};
    int found = 0;
    while (found < 3) {
        if (!reader.next(line))
            return fail(*this, reason, "header ends before width, height and maximum");
        if (line[0] == '#')
            continue;
        const int got = scanNumbers(line, header + found, 3 - found);
        if (got == kBlankLine)
            return fail(*this, reason, "blank header line");
        // A line that does not start with a number (an indented comment, the
        // tail of a comment longer than a piece) converts nothing and is passed over.
        found += got;
    }

    const long long w = header[0];
    const long long h = header[1];
    const long long maximum = header[2];
    if (w < 1 || h < 1 || w > kMaxDimension || h > kMaxDimension)
        return fail(*this, reason, "width or height out of range");
    if (maximum < 1 || maximum > kMaxSample)
        return fail(*this, reason, "maximum sample value out of range 1-255");

    const std::size_t byteCount = static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3;
    if (size - reader.pos < byteCount)
        return fail(*this, reason, "pixel data shorter than width x height x 3");

    pixels.assign(data + reader.pos, data + reader.pos + byteCount);
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

bool PpmImage::loadPpm(const char* fileName)
{
    std::vector<std::uint8_t> bytes;
    if (!readFileBytes(fileName, bytes)) {
        pixels.clear();
        width = 0;
        height = 0;
        return false;
    }
    const char* reason = nullptr;
    if (!parse(bytes.data(), bytes.size(), &reason)) {
        std::fprintf(stderr, "%s: not a usable PPM image: %s\n", fileName, reason);
        return false;
    }
    return true;
}
