#include "platform/sound_decoder.h"

#include <SDL.h>
#include <mpg123.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kReadBytes = 64 * 1024;
constexpr int kBytesPerSample = 2;  // libmpg123 decodes to signed 16-bit
// What a tag may reserve at once: ten minutes of sound, and no more than the
// densest MPEG audio (MPEG-2 layer II at 8 kbit/s, under a hundred bytes of
// samples a byte) could hold in the file's size. Longer files grow as they go.
constexpr std::size_t kMaxReservedSeconds = 600;
constexpr std::size_t kMaxSampleBytesPerFileByte = 128;

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

// The file's bytes; empty if it cannot be read.
std::vector<std::uint8_t> readWhole(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// SDL reserves what a WAV's chunks claim before it reads them: every claim
// is cut to what the file holds, so a lying header costs no more memory than
// the file itself.
void fitRiffChunks(std::vector<std::uint8_t>& riff) {
    const auto fit = [&](std::size_t at, std::size_t room) {
        std::size_t claim = 0;
        for (int i = 3; i >= 0; --i) claim = claim << 8 | riff[at + static_cast<std::size_t>(i)];
        claim = std::min(claim, room);
        for (int i = 0; i < 4; ++i) riff[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(claim >> (8 * i));
        return claim;
    };
    if (riff.size() < 12) return;
    fit(4, riff.size() - 8);
    for (std::size_t at = 12; at + 8 <= riff.size();) {
        const std::size_t length = fit(at + 4, riff.size() - at - 8);
        at += 8 + length + (length & 1);
    }
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
    try {
        return kind == SoundFileKind::Wave ? decodeWave() : decodeMpegSlice();
    } catch (...) {
        // Out of memory, most likely: an unplayable file is silence.
        return fail();
    }
}

bool SoundDecoder::decodeMpegSlice() {
    if (!started) {
        started = true;
        if (!startMpeg()) return fail();
    }
    const std::size_t sliceEnd = filled + tailFilled + static_cast<std::size_t>(target.rate) * 2 * kBytesPerSample;
    while (filled + tailFilled < sliceEnd) {
        // The reserved buffer fills first and never moves (an early loop plays
        // from it); what comes after goes to the tail, which grows as it goes.
        const bool intoReserved = filled < samples.size();
        std::size_t room = kReadBytes;
        std::uint8_t* out = nullptr;
        if (intoReserved) {
            room = std::min(room, samples.size() - filled);
            out = samples.data() + filled;
        } else {
            if (tail.size() < tailFilled + room) tail.resize(std::max(tail.size() * 2, tailFilled + room));
            out = tail.data() + tailFilled;
        }
        std::size_t done = 0;
        const int result = mpg123_read(mpeg, out, room, &done);
        (intoReserved ? filled : tailFilled) += done;
        if (result == MPG123_DONE) return finishMpeg();
        if (result == MPG123_NEW_FORMAT && !adoptFormat()) return finishMpeg();
        if (result != MPG123_OK && result != MPG123_NEW_FORMAT) return fail();
    }
    return false;
}

const std::uint8_t* SoundDecoder::earlySamples() const {
    const bool asPlayed = decodedFormat.rate == target.rate && decodedFormat.channels == target.channels &&
                          target.sdlFormat == AUDIO_S16SYS;
    return knownLength && asPlayed && mpeg != nullptr && tailFilled == 0 ? samples.data() : nullptr;
}

// WAV files are short effects: read and converted in one go.
bool SoundDecoder::decodeWave() {
    std::vector<std::uint8_t> bytes = readWhole(file);
    if (bytes.size() > INT_MAX) return true;
    fitRiffChunks(bytes);
    SDL_AudioSpec spec;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* in = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (in == nullptr || SDL_LoadWAV_RW(in, 1, &spec, &buffer, &length) == nullptr) return true;
    samples.assign(buffer, buffer + length);
    SDL_FreeWAV(buffer);
    if (!convertTo(samples, PcmFormat{spec.freq, spec.format, spec.channels}, target)) samples.clear();
    return true;
}

bool SoundDecoder::startMpeg() {
    // Needed only by libmpg123 before 1.27, which the build no longer accepts;
    // it does nothing since.
    static const bool libraryReady = mpg123_init() == MPG123_OK;
    if (!libraryReady) return false;
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
    // A LAME tag tells the length, encoder delay and padding trimmed: one
    // buffer for the whole file, if the tag tells the truth. It is only a
    // claim: a short one leaves the rest to the tail, an absurd one reserves
    // no more than the bound. Without a tag everything goes to the tail.
    const off_t frames = mpg123_length(mpeg);
    long accurate = 0;
    mpg123_getstate(mpeg, MPG123_ACCURATE, &accurate, nullptr);
    if (frames > 0 && accurate != 0 && rate > 0 && channels > 0) {
        std::error_code error;
        const std::uintmax_t fileBytes = std::filesystem::file_size(file, error);
        const std::size_t frameBytes = static_cast<std::size_t>(channels) * kBytesPerSample;
        const std::size_t bound = std::min<std::size_t>(kMaxReservedSeconds * static_cast<std::size_t>(rate),
                                                        error ? 0 : fileBytes * kMaxSampleBytesPerFileByte / frameBytes);
        samples.resize(std::min(static_cast<std::size_t>(frames), bound) * frameBytes);
        knownLength = true;
    }
    return true;
}

// The layout may change before the first sample (the first frame can be
// junk that merely looked like a header); after that, the sound ends where
// it changes, as the samples so far are all of one layout.
bool SoundDecoder::adoptFormat() {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(mpeg, &rate, &channels, &encoding) != MPG123_OK) return false;
    const PcmFormat now{static_cast<int>(rate), AUDIO_S16SYS, channels};
    if (now.rate == decodedFormat.rate && now.channels == decodedFormat.channels) return true;
    if (filled + tailFilled > 0) return false;
    decodedFormat = now;
    knownLength = false;  // the reservation was made for the other layout
    samples = {};
    return true;
}

bool SoundDecoder::finishMpeg() {
    mpg123_delete(mpeg);
    mpeg = nullptr;
    samples.resize(filled);  // shrinking: it stays where it is
    if (tailFilled > 0) {
        std::vector<std::uint8_t> whole;
        whole.reserve(filled + tailFilled);
        whole.insert(whole.end(), samples.begin(), samples.end());
        whole.insert(whole.end(), tail.begin(), tail.begin() + static_cast<std::ptrdiff_t>(tailFilled));
        // An early loop may still be playing from the reserved buffer.
        retired = std::move(samples);
        samples = std::move(whole);
        tail = {};
    }
    if (!convertTo(samples, decodedFormat, target)) samples.clear();
    return true;
}

bool SoundDecoder::fail() {
    if (mpeg != nullptr) mpg123_delete(mpeg);
    mpeg = nullptr;
    // Emptied, not freed: an early loop may still be playing from it.
    samples.clear();
    tail = {};
    return true;
}
