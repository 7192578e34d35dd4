#pragma once

// Start-up and shutdown of the game's real sound: opens SDL2_mixer and
// installs it as the current sound back end. Returns whether sound is
// audible; without an audio device the game carries on in silence.
bool installMixerSound();
// Restores the silent back end and releases the mixer, its sounds and SDL's
// audio. Safe to call more than once, and without installMixerSound.
void shutdownMixerSound();
