#include "platform/sound_decoder.h"

#include <SDL.h>
#include <mpg123.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr std::size_t kReadBytes = 64 * 1024;
constexpr int kBytesPerSample = 2;  // libmpg123 decodes to signed 16-bit

// Converts decoded samples to the mixer's format in place; false when SDL
// cannot convert between the two.
bool convertTo(std::vector<std::uint8_t>& pcm, const PcmFormat& from, const PcmFormat& to) {
    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, from.sdlFormat, static_cast<Uint8>(from.channels), from.rate,
                                         to.sdlFormat, static_cast<Uint8>(to.channels), to.rate);
    if (needed < 0) return false;
    if (needed == 0) return true;
    cvt.len = static_cast<int>(pcm.size());
    pcm.resize(pcm.size() * static_cast<std::size_t>(cvt.len_mult));
    cvt.buf = pcm.data();
    if (SDL_ConvertAudio(&cvt) != 0) return false;
    pcm.resize(static_cast<std::size_t>(cvt.len_cvt));
    pcm.shrink_to_fit();
    return true;
}

}  // namespace

std::optional<SoundFileKind> sniffSoundFile(const std::string& file) {
    SDL_RWops* in = SDL_RWFromFile(file.c_str(), "rb");
    if (in == nullptr) return std::nullopt;
    char magic[4] = {};
    const std::size_t read = SDL_RWread(in, magic, 1, sizeof magic);
    SDL_RWclose(in);
    const bool riff = read == sizeof magic && std::memcmp(magic, "RIFF", sizeof magic) == 0;
    return riff ? SoundFileKind::Wave : SoundFileKind::Mpeg;
}

SoundDecoder::SoundDecoder(std::string file, SoundFileKind kind, PcmFormat target)
    : file(std::move(file)), kind(kind), target(target) {}

SoundDecoder::~SoundDecoder() {
    if (mpeg != nullptr) mpg123_delete(mpeg);
}

bool SoundDecoder::decodeSlice() {
    if (kind == SoundFileKind::Wave) return decodeWave();
    if (!started) {
        started = true;
        if (!startMpeg()) return true;
    }
    const std::size_t sliceEnd = decoded + static_cast<std::size_t>(target.rate) * 2 * kBytesPerSample;
    while (decoded < sliceEnd) {
        // A file of known length fills the buffer made for it, which never
        // moves; one of unknown length grows its buffer as it goes.
        std::size_t room = kReadBytes;
        if (knownLength) {
            room = std::min(room, samples.size() - decoded);
            if (room == 0) return finishMpeg(true);
        } else if (samples.size() < decoded + room) {
            samples.resize(decoded + room);
        }
        std::size_t done = 0;
        const int result = mpg123_read(mpeg, samples.data() + decoded, room, &done);
        decoded += done;
        if (result == MPG123_DONE) return finishMpeg(true);
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) return finishMpeg(false);
    }
    return false;
}

const std::uint8_t* SoundDecoder::earlySamples() const {
    const bool asPlayed = decodedFormat.rate == target.rate && decodedFormat.channels == target.channels &&
                          target.sdlFormat == AUDIO_S16SYS;
    return knownLength && asPlayed && mpeg != nullptr ? samples.data() : nullptr;
}

// WAV files are short effects: read and converted in one go.
bool SoundDecoder::decodeWave() {
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(file.c_str(), &spec, &buffer, &length) == nullptr) return true;
    samples.assign(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    if (!convertTo(samples, PcmFormat{spec.freq, spec.format, spec.channels}, target)) samples.clear();
    return true;
}

bool SoundDecoder::startMpeg() {
    mpeg = mpg123_new(nullptr, nullptr);
    if (mpeg == nullptr) return false;
    // Junk in a file is its own failure, not something to print.
    mpg123_param(mpeg, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0);
    // Any rate and either layout, as signed 16-bit samples; SDL converts them after.
    mpg123_format_none(mpeg);
    mpg123_format2(mpeg, 0, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(mpeg, file.c_str()) != MPG123_OK) return false;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(mpeg, &rate, &channels, &encoding) != MPG123_OK) return false;
    decodedFormat = PcmFormat{static_cast<int>(rate), AUDIO_S16SYS, channels};
    // A LAME tag tells the exact length, encoder delay and padding trimmed:
    // one buffer for the whole file. Without one the length is a guess.
    const off_t frames = mpg123_length(mpeg);
    long accurate = 0;
    mpg123_getstate(mpeg, MPG123_ACCURATE, &accurate, nullptr);
    if (frames > 0 && accurate != 0) {
        samples.resize(static_cast<std::size_t>(frames) * channels * kBytesPerSample);
        knownLength = true;
    }
    return true;
}

bool SoundDecoder::finishMpeg(bool decodedToTheEnd) {
    mpg123_delete(mpeg);
    mpeg = nullptr;
    samples.resize(decoded);
    if (!decodedToTheEnd || !convertTo(samples, decodedFormat, target)) samples.clear();
    return true;
}
