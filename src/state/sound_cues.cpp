#include "state/sound_cues.h"

#include "platform/sound_backend.h"

namespace {

// The game's media files, opened once at start-up; each alias is its file name.
constexpr const char* kOpenCommands[] = {
    "open background0.mp3 type mpegvideo alias background0.mp3",
    "open gameover.mp3 type mpegvideo alias gameover.mp3",
    "open playerExplode.mp3 type mpegvideo alias playerExplode.mp3",
    "open title.mp3 type mpegvideo alias title.mp3",
    "open gamebeat.mp3 type mpegvideo alias gamebeat.mp3",
    "open smallExplode.wav type waveaudio alias smallExplode.wav",
    "open bigExplode.wav type waveaudio alias bigExplode.wav",
    "open siren.wav type waveaudio alias siren.wav",
};

}  // namespace

void openSounds() {
    for (const char* command : kOpenCommands) {
        sendSoundCommand(command);
    }
}

// A missing file or device only means silence, so the result is not looked at.
void sendSoundCommand(const char* command) {
    if (command != nullptr) {
        soundBackend().command(command);
    }
}

void stopTitleMusic() {
    sendSoundCommand("stop title.mp3");
}

void playBigExplode() {
    sendSoundCommand("play bigExplode.wav from 0");
}

void stopBattleMusic() {
    sendSoundCommand("stop background0.mp3");
}

void playGameOverMusic() {
    sendSoundCommand("play gameover.mp3 repeat from 0");
}

void playSmallExplode() {
    sendSoundCommand("play smallExplode.wav from 0");
}

void playLaserSound() {
    soundBackend().playLaser("laser.wav");
}
