#pragma once
#include "audio_buffer.h"

#include <functional>
#include <string>
#include <vector>

enum class MediaFormat { Wav, Mp3 };

// Every sound file the game opens, with the code that makes it.
struct MediaFile {
    std::string fileName;
    MediaFormat format;
    std::function<StereoBuffer()> make;
};

const std::vector<MediaFile>& mediaCatalogue();
