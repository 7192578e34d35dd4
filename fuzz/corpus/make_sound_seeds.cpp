// Writes the seed files for fuzz_sound_decoder, which the unit tests of the
// decoder read too: a short MP3 tone with its gapless tag, the same without
// a tag, cut short, and with a tag that lies about its frame count (short,
// and absurdly long), a small WAV, and a stereo MP3 at the mixer's rate.
// (layout_changes.mp3 and wave_claims_gigabytes.wav beside them are inputs
// the fuzzer found, kept as they came.) Build and run from this folder:
//   g++ -std=c++20 make_sound_seeds.cpp -lmp3lame -o /tmp/make_sound_seeds && /tmp/make_sound_seeds
#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

constexpr int kRate = 22050;

// A third of a second of a mono tone, as MPEG-2 layer III at 64 kbit/s (the
// smallest rate whose frames have room for the gapless tag); or, in the
// mixer's own layout, more than the second the decoder takes at a time, as
// small as MPEG-1 goes.
Bytes encodeTone(bool tagged, bool mixerLayout = false) {
    const int rate = mixerLayout ? 44100 : kRate;
    lame_global_flags* flags = lame_init();
    lame_set_in_samplerate(flags, rate);
    lame_set_out_samplerate(flags, rate);
    lame_set_num_channels(flags, mixerLayout ? 2 : 1);
    lame_set_mode(flags, mixerLayout ? JOINT_STEREO : MONO);
    lame_set_brate(flags, mixerLayout ? 32 : 64);
    lame_set_VBR(flags, vbr_off);
    lame_set_bWriteVbrTag(flags, tagged ? 1 : 0);
    lame_set_write_id3tag_automatic(flags, 0);
    lame_init_params(flags);
    std::vector<short> pcm(mixerLayout ? rate * 6 / 5 : rate / 3);
    for (std::size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<short>(8000 * std::sin(i * 0.06));
    Bytes mp3(16384);
    int size = lame_encode_buffer(flags, pcm.data(), pcm.data(), static_cast<int>(pcm.size()), mp3.data(), static_cast<int>(mp3.size()));
    size += lame_encode_flush(flags, mp3.data() + size, static_cast<int>(mp3.size()) - size);
    mp3.resize(static_cast<std::size_t>(size));
    if (tagged) lame_get_lametag_frame(flags, mp3.data(), mp3.size());
    lame_close(flags);
    return mp3;
}

// Where the frame count of the Info tag in the first frame lies: after the magic and the flags.
std::size_t frameCountAt(const Bytes& mp3) {
    return static_cast<std::size_t>(std::search(mp3.begin(), mp3.begin() + 64, std::begin("Info"), std::end("Info") - 1) - mp3.begin()) + 8;
}

std::uint32_t frameCount(const Bytes& mp3) {
    const std::size_t at = frameCountAt(mp3);
    return std::uint32_t{mp3[at]} << 24 | std::uint32_t{mp3[at + 1]} << 16 | std::uint32_t{mp3[at + 2]} << 8 | mp3[at + 3];
}

Bytes withFrameCount(Bytes mp3, std::uint32_t frames) {
    for (int i = 0; i < 4; ++i) mp3[frameCountAt(mp3) + i] = static_cast<unsigned char>(frames >> (24 - 8 * i));
    return mp3;
}

// A tenth of a second of 8-bit mono at 8 kHz: SDL converts it to the mixer's format.
Bytes wave() {
    const std::uint32_t frames = 800;
    Bytes out;
    const auto text = [&](const char* s) { out.insert(out.end(), s, s + 4); };
    const auto put = [&](std::uint32_t value, int bytes) { while (bytes-- > 0) out.push_back(static_cast<unsigned char>(value)), value >>= 8; };
    text("RIFF"); put(36 + frames, 4); text("WAVE"); text("fmt ");
    put(16, 4); put(1, 2); put(1, 2); put(8000, 4); put(8000, 4); put(1, 2); put(8, 2);
    text("data"); put(frames, 4);
    for (std::uint32_t i = 0; i < frames; ++i) out.push_back(static_cast<unsigned char>(i % 20 < 10 ? 96 : 160));
    return out;
}

void write(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main() {
    const std::string dir = "sound_decoder/";
    const Bytes tagged = encodeTone(true);
    write(dir + "tagged.mp3", tagged);
    write(dir + "untagged.mp3", encodeTone(false));
    write(dir + "truncated.mp3", Bytes(tagged.begin(), tagged.begin() + static_cast<long>(tagged.size() * 2 / 3)));
    write(dir + "tag_lies_short.mp3", withFrameCount(tagged, frameCount(tagged) / 3));
    write(dir + "tag_lies_long.mp3", withFrameCount(tagged, 0x7fffffff));
    write(dir + "tone.wav", wave());
    write(dir + "stereo_44k.mp3", encodeTone(false, true));
    std::printf("tagged: %zu bytes, %u frames\n", tagged.size(), frameCount(tagged));
}
