#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct mpg123_handle_struct;

// The sample layout the mixer plays: SDL's rate, format code and channel count.
struct PcmFormat {
    int rate = 0;
    std::uint16_t sdlFormat = 0;
    int channels = 0;
};

enum class SoundFileKind { Wave, Mpeg };

// Reads the first bytes of a file: a RIFF file is a WAV, anything else is
// taken for MPEG audio. Nullopt when the file cannot be read.
std::optional<SoundFileKind> sniffSoundFile(const std::string& file);

// Decodes one sound file whole into memory, in the mixer's format, a slice at
// a time so a decoding thread can turn to a more urgent file in between.
// WAV files go through SDL, MPEG audio through libmpg123, gaplessly (the
// encoder's delay and padding are trimmed, so a loop has no gap). Nothing
// here touches the mixer or its lock.
class SoundDecoder {
public:
    SoundDecoder(std::string file, SoundFileKind kind, PcmFormat target);
    ~SoundDecoder();
    SoundDecoder(const SoundDecoder&) = delete;
    SoundDecoder& operator=(const SoundDecoder&) = delete;

    // Decodes about a second of sound more; true once the file is done,
    // decoded or failed. Never throws: a file it cannot decode, or cannot
    // find the memory for, ends with no samples.
    bool decodeSlice();
    // The decoded samples once done; empty if the file did not decode.
    std::vector<std::uint8_t>& pcm() { return samples; }

    // While an MPEG file decodes: the buffer its tag's length reserved,
    // already in the mixer's format, at an address that stays put until the
    // decoder is destroyed (pcm() may end up elsewhere, when the tag was
    // short). Null when the samples will need converting or the length is
    // unknown.
    const std::uint8_t* earlySamples() const;
    // Bytes of that buffer decoded so far, and the whole sound's size as far
    // as the tag tells: unknown (the most there is) once the file has shown
    // the tag short, so that an early loop waits at the buffer's end.
    std::size_t decodedBytes() const { return filled; }
    std::size_t expectedBytes() const { return tailFilled > 0 ? SIZE_MAX : samples.size(); }

private:
    bool decodeMpegSlice();
    bool decodeWave();
    bool startMpeg();
    bool adoptFormat();
    bool finishMpeg();
    bool fail();

    std::string file;
    SoundFileKind kind;
    PcmFormat target;
    mpg123_handle_struct* mpeg = nullptr;
    bool started = false;
    bool knownLength = false;
    PcmFormat decodedFormat;
    // The file's samples: a buffer of the length its tag tells, within
    // reason, then a tail for whatever the file holds beyond it (all of a
    // file without a tag), joined when done.
    std::vector<std::uint8_t> samples;
    std::size_t filled = 0;
    std::vector<std::uint8_t> tail;
    std::size_t tailFilled = 0;
    std::vector<std::uint8_t> retired;  // the reserved buffer, once joined to its tail
};
