#pragma once
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
    // decoded or failed.
    bool decodeSlice();
    // The decoded samples once done; empty if the file did not decode.
    std::vector<std::uint8_t>& pcm() { return samples; }

    // While an MPEG file decodes: its samples so far, already in the mixer's
    // format, at an address that stays put until the decoder is done. Null
    // when they will need converting or the length is unknown.
    const std::uint8_t* earlySamples() const;
    std::size_t decodedBytes() const { return decoded; }
    // The whole file's size once decoded, as far as it is known.
    std::size_t expectedBytes() const { return samples.size(); }

private:
    bool decodeWave();
    bool startMpeg();
    bool finishMpeg(bool decodedToTheEnd);

    std::string file;
    SoundFileKind kind;
    PcmFormat target;
    mpg123_handle_struct* mpeg = nullptr;
    bool started = false;
    bool knownLength = false;
    PcmFormat decodedFormat;
    std::vector<std::uint8_t> samples;
    std::size_t decoded = 0;  // bytes of `samples` decoded so far
};
