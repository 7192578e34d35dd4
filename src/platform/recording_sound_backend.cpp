#include "platform/recording_sound_backend.h"

int RecordingSoundBackend::command(const std::string& text) {
    log.push_back(text);
    return kSoundOk;
}

void RecordingSoundBackend::playLaser(const std::string& fileName) {
    log.push_back("laser:" + fileName);
}
