#include "mp3_writer.h"

#include "pcm.h"

#include <lame/lame.h>

#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

// LAME's quality switch (0 best .. 9 fastest); 5 is its standard setting. The
// slower settings add seconds to every build for no audible gain at 192 kbit/s.
constexpr int kEncoderQuality = 5;
constexpr int kChunkFrames = 8192;

struct LameCloser {
    void operator()(lame_global_flags* flags) const { lame_close(flags); }
};

void check(int result, const char* what) {
    if (result < 0) throw std::runtime_error(std::string("LAME failed: ") + what + " (" + std::to_string(result) + ")");
}

}  // namespace

void writeMp3(const std::string& path, const StereoBuffer& buffer, int kilobitsPerSecond) {
    std::unique_ptr<lame_global_flags, LameCloser> lame(lame_init());
    if (!lame) throw std::runtime_error("LAME failed to start");
    lame_global_flags* flags = lame.get();
    lame_set_in_samplerate(flags, kSampleRate);
    lame_set_out_samplerate(flags, kSampleRate);
    lame_set_num_channels(flags, 2);
    lame_set_mode(flags, JOINT_STEREO);
    lame_set_brate(flags, kilobitsPerSecond);
    lame_set_VBR(flags, vbr_off);
    lame_set_quality(flags, kEncoderQuality);
    lame_set_bWriteVbrTag(flags, 1);
    lame_set_write_id3tag_automatic(flags, 0);
    check(lame_init_params(flags), "init_params");

    const std::vector<int16_t> pcm = toInterleavedPcm16(buffer);
    std::vector<unsigned char> mp3;
    std::vector<unsigned char> chunk(static_cast<size_t>(1.25 * kChunkFrames + 7200));
    const size_t frames = buffer.frames();
    for (size_t at = 0; at < frames; at += kChunkFrames) {
        const int count = static_cast<int>(std::min<size_t>(kChunkFrames, frames - at));
        const int written = lame_encode_buffer_interleaved(flags, const_cast<short*>(pcm.data() + 2 * at), count,
                                                           chunk.data(), static_cast<int>(chunk.size()));
        check(written, "encode");
        mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + written);
    }
    const int flushed = lame_encode_flush(flags, chunk.data(), static_cast<int>(chunk.size()));
    check(flushed, "flush");
    mp3.insert(mp3.end(), chunk.begin(), chunk.begin() + flushed);

    // The first frame was written as a placeholder; fill in the finished tag.
    std::vector<unsigned char> tag(4096);
    const size_t tagSize = lame_get_lametag_frame(flags, tag.data(), tag.size());
    if (tagSize == 0 || tagSize > mp3.size()) throw std::runtime_error("LAME produced no gapless tag");
    std::copy(tag.begin(), tag.begin() + tagSize, mp3.begin());

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(mp3.data()), static_cast<std::streamsize>(mp3.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}
