#include "platform/mixer_sound_setup.h"

#include <memory>

#include "platform/mixer_sound_backend.h"

namespace {

std::unique_ptr<MixerSoundBackend> mixer;

}  // namespace

bool installMixerSound() {
    if (!mixer) {
        mixer = std::make_unique<MixerSoundBackend>();
    }
    // Installed even when silent, so every cue still goes through one path
    // and reports its failure code instead of pretending to play.
    const bool audible = mixer->open();
    setSoundBackend(mixer.get());
    return audible;
}

void shutdownMixerSound() {
    if (!mixer) {
        return;
    }
    if (&soundBackend() == mixer.get()) {
        setSoundBackend(nullptr);
    }
    mixer.reset();
}
