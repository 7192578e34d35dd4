#pragma once

// The game's sound cues. Every cue is a fixed media command string sent
// through the current sound back end; results are ignored, so a missing
// file or device simply means silence.
void openSounds();
void sendSoundCommand(const char* command);
void stopTitleMusic();
void playBigExplode();
void stopBattleMusic();
void playGameOverMusic();
void playSmallExplode();
// Plays "laser.wav", cutting off the previous shot.
void playLaserSound();
