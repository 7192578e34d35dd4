#include "app/volume_keys.h"

#include <string>

#include "state/hud_notice.h"
#include "state/options.h"
#include "state/sound_volume.h"

bool isVolumeKey(unsigned char key) { return key == '-' || key == '=' || key == '+'; }

bool handleVolumeKey(unsigned char key) {
    if (!isVolumeKey(key)) return false;
    SoundVolumes volumes = soundVolumes();
    volumes.master += key == '-' ? -kVolumeStep : kVolumeStep;
    setSoundVolumes(volumes);
    // The player's choice: the settings keep it.
    noteOptionChosen();
    showNotice("Volume " + std::to_string(soundVolumes().master) + "%");
    return true;
}
