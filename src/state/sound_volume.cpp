#include "state/sound_volume.h"

#include <algorithm>

#include "platform/sound_backend.h"

namespace {
SoundVolumes current;

int percent(int value) { return std::clamp(value, 0, 100); }
}  // namespace

void setSoundVolumes(const SoundVolumes& volumes) {
    current = {percent(volumes.master), percent(volumes.music), percent(volumes.effects)};
    applySoundVolumes();
}

SoundVolumes soundVolumes() { return current; }

void applySoundVolumes() { soundBackend().setVolumes(current.master, current.music, current.effects); }
