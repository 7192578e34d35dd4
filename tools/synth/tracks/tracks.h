#pragma once
#include "../audio_buffer.h"
#include "../sequencer.h"

// Sound effects (written as WAV).
StereoBuffer makeLaser();
StereoBuffer makeSmallExplode();
StereoBuffer makeBigExplode();
StereoBuffer makeSiren();

// Music (written as MP3). The looped tracks come out exactly one song long.
Song titleSong();
Song battleSong();
Song gameOverSong();
Song victorySong();
StereoBuffer makeTitle();
StereoBuffer makeBattle();
StereoBuffer makeGameOver();
StereoBuffer makeVictory();
StereoBuffer makePlayerExplode();
