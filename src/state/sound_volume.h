#pragma once

// How loud the game plays, in percent: the master volume (the - and = keys)
// scales the music and the effects, each of which has its own level.
struct SoundVolumes {
    int master = 100;
    int music = 100;
    int effects = 100;
};

// Steps of the volume keys.
constexpr int kVolumeStep = 10;

// Stores the volumes (each clamped to 0..100) and hands them to the sound
// back end in use.
void setSoundVolumes(const SoundVolumes& volumes);
SoundVolumes soundVolumes();
// Hands the stored volumes to the back end again (after installing one).
void applySoundVolumes();
