#include "platform/sound_backend.h"

namespace {

// The null twin: accepts everything and plays nothing, so the game runs
// (and tests run) without any audio library behind it.
class SilentSoundBackend final : public SoundBackend {
public:
    int command(const std::string&) override { return kSoundOk; }
    void playLaser(const std::string&) override {}
};

SilentSoundBackend silentBackend;
SoundBackend* currentBackend = &silentBackend;

}  // namespace

SoundBackend& soundBackend() {
    return *currentBackend;
}

void setSoundBackend(SoundBackend* backend) {
    currentBackend = backend != nullptr ? backend : &silentBackend;
}
