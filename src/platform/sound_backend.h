#pragma once
#include <string>

// The seam between the game's sound cues and whatever plays them.
// The game speaks in media command strings ("open x alias y", "play y from 0 repeat",
// "stop y") plus one fire-and-forget laser shot. Back ends never fail loudly:
// a missing device or file means silence.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Carries out one media command; returns 0 on success, a non-zero error code otherwise.
    virtual int command(const std::string& text) = 0;
    // Plays a WAV file by name, cutting off the previous laser shot.
    virtual void playLaser(const std::string& fileName) = 0;
    // Levels in percent: the master volume scales both the music (the MP3
    // aliases) and the effects (the WAV aliases and the laser).
    virtual void setVolumes(int /*master*/, int /*music*/, int /*effects*/) {}
};

// Result codes of SoundBackend::command. The game ignores them; tests and
// diagnostics tell the failures apart with them.
enum SoundResult : int {
    kSoundOk = 0,
    kSoundNoDevice = 1,      // the audio device never opened: everything is silent
    kSoundBadCommand = 2,    // the text is not a command this back end understands
    kSoundUnknownAlias = 3,  // play or stop of an alias that is not open
    kSoundFileUnusable = 4,  // open of a file that is missing or cannot be decoded
    kSoundAliasInUse = 5,    // open under an alias that is already open
};

// The back end the cue functions talk to. Defaults to a silent one.
SoundBackend& soundBackend();
// Installs a back end (not owned); nullptr restores the silent default.
void setSoundBackend(SoundBackend* backend);
